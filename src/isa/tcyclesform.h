#pragma once

#include <QWidget>

// One ISA bus cycle: its timing diagram beside its description; left only through the
// cycle-parameter dialog.
class TCyclesForm : public QWidget {
    Q_OBJECT
public:
    explicit TCyclesForm(QWidget *parent = nullptr);
};
