#pragma once

#include <QWidget>

// The ISA control questions; left only through its own buttons.
class TKontrQForm : public QWidget {
    Q_OBJECT
public:
    explicit TKontrQForm(QWidget *parent = nullptr);
};
