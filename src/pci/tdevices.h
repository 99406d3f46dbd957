#pragma once

#include <QDialog>

// The four kinds of PCI bus operation, each with its text and picture.
class TDevices : public QDialog {
    Q_OBJECT
public:
    explicit TDevices(QWidget *parent = nullptr);
};
