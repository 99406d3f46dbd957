#pragma once

#include <QLabel>

// A menu entry drawn as a label: hand pointer and bold font; bold and
// underlined while the pointer moves over it, bold only once it leaves.
// A heading (no action) is bold, with the ordinary pointer and no hover effect.
// An entry takes the keyboard focus by Tab or the arrows, shows it with a dotted
// frame, and Enter or Space activates it as a click does.
// The label takes the size of its caption when it is first shown (measuring
// text is the costly part of creating a menu).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    enum Kind { Entry, Heading };
    // Room left and right of an entry's caption for its focus frame.
    static constexpr int kFocusMargin = 2;

    ClickableLabel(const QString &name, const QString &caption, QWidget *parent, Kind kind = Entry);

    bool isEntry() const { return m_kind == Entry; }
    bool isUnderlined() const { return font().underline(); }

Q_SIGNALS:
    // Press and release of the left button on the label.
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUnderlined(bool underlined);

    Kind m_kind;
    bool m_pressed = false;
    bool m_sized = false;
};

// The font of the menu labels: bold, in the menus' pixel size.
QFont menuLabelFont();
