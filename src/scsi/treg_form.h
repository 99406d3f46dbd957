#pragma once

#include <QDialog>

class TReg_form : public QDialog {
    Q_OBJECT
public:
    explicit TReg_form(QWidget *parent = nullptr);
};
