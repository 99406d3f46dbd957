#pragma once

#include <QWidget>

class TMain_form : public QWidget {
    Q_OBJECT
public:
    explicit TMain_form(QWidget *parent = nullptr);
};
