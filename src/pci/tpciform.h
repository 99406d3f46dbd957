#pragma once

#include <QWidget>

// The PCI trainer's main window: texts, the signal and command tables, the bus
// operations, the lesson and the control questions. Closing it shows the lab selector.
class TPciform : public QWidget {
    Q_OBJECT
public:
    explicit TPciform(QWidget *parent = nullptr);

    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
};
