#pragma once

#include <QDialog>

// The PCI trainer's about box.
class TPres : public QDialog {
    Q_OBJECT
public:
    explicit TPres(QWidget *parent = nullptr);
};
