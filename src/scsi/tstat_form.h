#pragma once

#include <QDialog>

class TStat_form : public QDialog {
    Q_OBJECT
public:
    explicit TStat_form(QWidget *parent = nullptr);
};
