#pragma once

#include <QWidget>

// The PCI trainer's main window: texts, the signal and command tables, the bus
// operations, the lesson and the control questions. Closing it shows the lab selector.
class TPciform : public QWidget {
    Q_OBJECT
public:
    explicit TPciform(QWidget *parent = nullptr);

    // The window shown again when this one closes (the lab selector).
    void setReturnWindow(QWidget *window) { m_returnWindow = window; }

    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_returnWindow = nullptr;
};
