#pragma once

#include <QDialog>

// The cycle-parameter dialog: kind, resource, width, direction and length of a bus cycle.
class TCyclesparamForm : public QDialog {
    Q_OBJECT
public:
    explicit TCyclesparamForm(QWidget *parent = nullptr);
};
