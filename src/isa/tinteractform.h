#pragma once

#include <QWidget>

// The graded device-interaction exercise; left only through its own buttons.
class TInteractForm : public QWidget {
    Q_OBJECT
public:
    explicit TInteractForm(QWidget *parent = nullptr);
};
