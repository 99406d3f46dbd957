#pragma once

#include <QWidget>

// The ISA trainer's main window: reference texts, the signal table, the bus cycles,
// the interaction exercise and the control questions. Closing it shows the lab selector.
class TISAForm : public QWidget {
    Q_OBJECT
public:
    explicit TISAForm(QWidget *parent = nullptr);

    // The window shown again when this one closes (the lab selector).
    void setReturnWindow(QWidget *window) { m_returnWindow = window; }

    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_returnWindow = nullptr;
};
