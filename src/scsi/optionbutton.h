#pragma once

#include <QRadioButton>

// A radio button whose caption wraps onto as many lines as the width allows,
// so a long answer option is readable whole. The whole button, caption
// included, takes the click.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The caption's rectangle at the button's width.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QSize indicatorSize() const;
    int textLeft() const;
    QRect textBounds(int width) const;
};
