#pragma once

#include <QDialog>

// The PCI electronic lesson: modelling bus transactions as timing diagrams.
class TLesson : public QDialog {
    Q_OBJECT
public:
    explicit TLesson(QWidget *parent = nullptr);
};
