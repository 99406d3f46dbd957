#pragma once

#include <QDialog>

// The note shown after a bus cycle has been chosen.
class TWarningForm : public QDialog {
    Q_OBJECT
public:
    explicit TWarningForm(QWidget *parent = nullptr);
};
