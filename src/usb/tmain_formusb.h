#pragma once

#include <QWidget>

class TMain_formusb : public QWidget {
    Q_OBJECT
public:
    explicit TMain_formusb(QWidget *parent = nullptr);
};
