#pragma once

#include <QDialog>

// The ISA trainer's about box.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);
};
