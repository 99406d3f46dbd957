#include "isa/interactschematic.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace InteractSchematic {

namespace {

constexpr int kBusLeft = 10;
constexpr int kBusRight = 400;

void drawBus(QPainter &painter, int top, int offset)
{
    painter.drawLine(kBusLeft, top, kBusRight, top);
    painter.drawLine(kBusLeft, top + 15, kBusRight, top + 15);
    const QPoint left[] = {{13, 7 + offset}, {3, 17 + offset}, {13, 28 + offset}};
    const QPoint right[] = {{397, 7 + offset}, {407, 17 + offset}, {397, 28 + offset}};
    painter.drawPolyline(left, 3);
    painter.drawPolyline(right, 3);
}

void drawPlain(QPainter &painter)
{
    painter.setPen(QPen(Grey, 2));
    drawBus(painter, 10, 0);
    drawBus(painter, 55, 45);

    QFont font = painter.font();
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(Blue);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    painter.drawText(QRect(120, 11, 280, 14), flags, QStringLiteral("Шина данных (SD<15..0>)"));
    painter.drawText(QRect(100, 56, 300, 14), flags, QStringLiteral("Шина адреса (SA<19..0>,LA<23..17>)"));

    painter.setPen(QPen(Grey, 2));
    for (int row = 0; row < InteractAnswers::SignalCount; ++row)
        painter.drawLine(LineLeft, lineY(row), LineRight, lineY(row));

    // The processor's side of the bus is parted from the DMA controller.
    painter.setPen(QPen(Grey, 4));
    painter.drawLine(360, 155, 360, 387);

    painter.setPen(QPen(Grey, 2));
    for (int x : {65, 75, 180, 190, 295, 305}) {
        painter.drawLine(x, 27, x, 53);
        painter.drawLine(x, 72, x, 87);
    }
    for (int x : {95, 105, 215, 225, 335, 345})
        painter.drawLine(x, 72, x, 87);
}

void drawTap(QPainter &painter, int x, int y)
{
    const QPoint tap[] = {{x, TapTop}, {x, y - 2}, {x + 1, y - 2}, {x + 1, y + 2}, {x - 1, y + 2}, {x - 1, y - 2}};
    painter.drawPolyline(tap, 6);
}

} // namespace

int lineY(int row)
{
    return 187 + 16 * row;
}

int tapX(InteractAnswers::Device device, int row)
{
    const int base = device == InteractAnswers::IoDevice ? 40 : device == InteractAnswers::Memory ? 160 : 275;
    return base + 5 * row;
}

void paint(QPainter &painter, const State &state, const QColor &background, const QSize &size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), background);
    drawPlain(painter);
    painter.setPen(QPen(Red, 2));
    for (int row = 0; row < InteractAnswers::SignalCount; ++row) {
        if (state.marked[row])
            painter.drawLine(LineLeft, lineY(row), LineRight, lineY(row));
    }
    for (int row = 0; row < InteractAnswers::SignalCount; ++row) {
        if (!state.marked[row])
            continue;
        for (auto device : {InteractAnswers::IoDevice, InteractAnswers::Memory, InteractAnswers::Processor}) {
            if (state.devices & device)
                drawTap(painter, tapX(device, row), lineY(row));
        }
    }
}

} // namespace InteractSchematic

TSchematicBox::TSchematicBox(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
}

void TSchematicBox::setDevices(int devices)
{
    m_state.devices = devices;
    update();
}

void TSchematicBox::mark(int row, bool marked)
{
    if (row < 0 || row >= InteractAnswers::SignalCount)
        return;
    m_state.marked[row] = marked;
    update();
}

void TSchematicBox::drawPlain()
{
    m_state.marked = {};
    update();
}

void TSchematicBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    InteractSchematic::paint(painter, m_state, palette().color(QPalette::Window), size());
}
