#include "scsi/optionbutton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// The narrowest caption column before the window must grow.
constexpr int kMinimumTextWidth = 160;
constexpr int kFocusMargin = 2;

} // namespace

OptionButton::OptionButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize OptionButton::indicatorSize() const
{
    return {style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this),
            style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this)};
}

int OptionButton::textLeft() const
{
    return indicatorSize().width() + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this) +
           kFocusMargin;
}

QRect OptionButton::textBounds(int width) const
{
    const int available = qMax(1, width - textLeft() - kFocusMargin);
    return fontMetrics().boundingRect(QRect(0, 0, available, 100000), kTextFlags, text());
}

QSize OptionButton::sizeHint() const
{
    const QRect line = fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), kTextFlags, text());
    const int width = textLeft() + line.width() + kFocusMargin;
    return {width, heightForWidth(width)};
}

QSize OptionButton::minimumSizeHint() const
{
    const int width = textLeft() + qMin(kMinimumTextWidth, sizeHint().width() - textLeft());
    return {width, qMax(indicatorSize().height(), fontMetrics().height()) + 2 * kFocusMargin};
}

int OptionButton::heightForWidth(int width) const
{
    return qMax(indicatorSize().height(), textBounds(width).height()) + 2 * kFocusMargin;
}

QRect OptionButton::textRect() const
{
    return QRect(textLeft(), kFocusMargin, width() - textLeft() - kFocusMargin, textBounds(width()).height());
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize indicator = indicatorSize();
    // The indicator stands beside the first line of the caption.
    const int firstLine = fontMetrics().height();
    option.rect =
        QRect(0, kFocusMargin + qMax(0, (firstLine - indicator.height()) / 2), indicator.width(), indicator.height());
    option.state &= ~QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);

    const QRect caption = textRect();
    style()->drawItemText(&painter, caption, kTextFlags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics()
                         .boundingRect(caption, kTextFlags, text())
                         .adjusted(-kFocusMargin, -kFocusMargin + 1, kFocusMargin, kFocusMargin - 1);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
