#pragma once

#include <QDialog>

// The PCI trainer's introductory text, shown modally before each topic.
class TIntro : public QDialog {
    Q_OBJECT
public:
    explicit TIntro(QWidget *parent = nullptr);
};
