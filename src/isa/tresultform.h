#pragma once

#include <QDialog>

// The final mark of the ISA control questions.
class TResultForm : public QDialog {
    Q_OBJECT
public:
    explicit TResultForm(QWidget *parent = nullptr);
};
