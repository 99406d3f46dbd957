#pragma once

#include <QWidget>

// The AT-bus variants of the ISA bus cycles; left only through its own buttons.
class TATCyclesForm : public QWidget {
    Q_OBJECT
public:
    explicit TATCyclesForm(QWidget *parent = nullptr);
};
