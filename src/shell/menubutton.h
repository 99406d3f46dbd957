#pragma once

#include <QPushButton>

// A push button of the shell's menus: the style's button with a dotted frame
// inside it while it has the keyboard focus, plain to see on a dark picture.
class MenuButton : public QPushButton {
    Q_OBJECT
public:
    MenuButton(const QString &name, const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
