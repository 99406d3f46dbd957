#pragma once

#include <QDialog>

// The verdict of one answer of the device-interaction exercise.
class TResInteractForm : public QDialog {
    Q_OBJECT
public:
    explicit TResInteractForm(QWidget *parent = nullptr);
};
