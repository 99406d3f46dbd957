#pragma once

#include <QDialog>

class TStat_formusb : public QDialog {
    Q_OBJECT
public:
    explicit TStat_formusb(QWidget *parent = nullptr);
};
