#pragma once

#include <QWidget>

// The stay-on-top hint panel of task 1: what the drawn abbreviations stand for.
class Thelp_panel : public QWidget {
    Q_OBJECT
public:
    explicit Thelp_panel(QWidget *parent = nullptr);

Q_SIGNALS:
    // The student closed the panel with its title-bar button.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};
