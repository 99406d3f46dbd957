#pragma once

#include <QDialog>

class TReg_formusb : public QDialog {
    Q_OBJECT
public:
    explicit TReg_formusb(QWidget *parent = nullptr);
};
