#pragma once

#include <QWidget>

// The ISA trainer's text window; each caller sets its caption and text.
class TVvedenieForm : public QWidget {
    Q_OBJECT
public:
    explicit TVvedenieForm(QWidget *parent = nullptr);
};
