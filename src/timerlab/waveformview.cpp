#include "timerlab/waveformview.h"

#include "timerlab/pctimer.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kBackground(250, 250, 247);
const QColor kGrid(225, 225, 218);
const QColor kClock(90, 90, 90);
const QColor kGate(30, 110, 40);
const QColor kOut(20, 60, 170);
const QColor kSpeaker(170, 40, 40);

} // namespace

WaveformView::WaveformView(const PcTimer &timer, QWidget *parent)
    : QWidget(parent)
    , m_timer(timer)
{
    setObjectName(QStringLiteral("WaveformView"));
    setMinimumHeight(kAxisHeight + 10 * kRowHeight + 4);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize WaveformView::sizeHint() const
{
    return {640, kAxisHeight + 10 * kRowHeight + 4};
}

void WaveformView::setPixelsPerClock(double pixels)
{
    m_pixelsPerClock = std::clamp(pixels, 1e-6, 64.0);
    update();
}

double WaveformView::firstVisibleTime() const
{
    const double visible = (width() - kLabelWidth - 8) / m_pixelsPerClock;
    return std::max(0.0, double(m_timer.time()) - visible);
}

double WaveformView::xOf(double time) const
{
    return kLabelWidth + (time - firstVisibleTime()) * m_pixelsPerClock;
}

void WaveformView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    const double now = double(m_timer.time());
    const double t0 = firstVisibleTime();
    const int right = width() - 8;
    const auto rowTop = [](int row) { return kAxisHeight + row * kRowHeight; };

    // Labels and row separators.
    QFont font = p.font();
    font.setPointSizeF(8.5);
    p.setFont(font);
    const char *kinds[] = {"CLK", "GATE", "OUT"};
    for (int row = 0; row <= kSpeakerRow; ++row) {
        const int y = rowTop(row);
        p.setPen(kGrid);
        p.drawLine(0, y + kRowHeight - 1, width(), y + kRowHeight - 1);
        p.setPen(Qt::black);
        const QString label = row == kSpeakerRow
                                  ? QStringLiteral("Динамик")
                                  : QStringLiteral("%1%2").arg(QLatin1String(kinds[row % 3])).arg(row / 3);
        p.drawText(QRect(4, y, kLabelWidth - 8, kRowHeight), Qt::AlignVCenter | Qt::AlignLeft, label);
    }
    p.setPen(Qt::gray);
    p.drawLine(kLabelWidth - 2, 0, kLabelWidth - 2, height());

    // Time axis: a tick every "nice" number of periods.
    const double minStep = 60 / m_pixelsPerClock;
    double step = 1;
    while (step < minStep)
        step *= (QString::number(step).startsWith(QLatin1Char('2')) ? 2.5 : 2);
    p.setPen(Qt::darkGray);
    for (double t = std::ceil(t0 / step) * step; t <= now; t += step) {
        const double x = xOf(t);
        p.setPen(kGrid);
        p.drawLine(QPointF(x, kAxisHeight - 4), QPointF(x, height()));
        p.setPen(Qt::darkGray);
        const double us = t / m_timer.clockHz() * 1e6;
        const QString text = us < 10000 ? QStringLiteral("%1 мкс").arg(us, 0, 'f', us < 10 ? 2 : 0)
                                        : QStringLiteral("%1 мс").arg(us / 1000, 0, 'f', 1);
        p.drawText(QPointF(x + 2, kAxisHeight - 8), QStringLiteral("%1 (%2)").arg(qint64(t)).arg(text));
    }

    const double high = 4;
    const double low = kRowHeight - 5;
    p.setRenderHint(QPainter::Antialiasing, false);

    // CLK: a square wave per period, or a band when periods are too narrow to draw.
    for (int channel = 0; channel < 3; ++channel) {
        const int y = rowTop(rowOf(channel, 0));
        p.setPen(QPen(kClock, 1));
        if (m_pixelsPerClock < 4) {
            p.fillRect(QRectF(xOf(t0), y + high, xOf(now) - xOf(t0), low - high), QColor(200, 200, 200));
            continue;
        }
        QPainterPath path;
        path.moveTo(xOf(std::floor(t0)), y + high);
        for (double k = std::floor(t0); k < now; k += 1) {
            path.lineTo(xOf(k + 0.5), y + high);
            path.lineTo(xOf(k + 0.5), y + low);
            path.lineTo(xOf(k + 1), y + low);
            if (k + 1 < now)
                path.lineTo(xOf(k + 1), y + high);
        }
        p.drawPath(path);
    }

    // A level trace; `edgeOffset` puts OUT changes on the falling CLK edge.
    const auto drawTrace = [&](const SignalTrace &trace, int row, const QColor &colour, double edgeOffset) {
        const int y = rowTop(row);
        p.setPen(QPen(colour, 2));
        bool level = trace.levelAt(qint64(std::floor(t0)));
        double x = xOf(t0);
        double lastEdgeX = -1;
        const QVector<qint64> changes = trace.changesBetween(qint64(std::floor(t0)) + 1, qint64(now) + 1);
        for (const qint64 change : changes) {
            const double cx = std::max(xOf(t0), xOf(double(change) + edgeOffset));
            p.drawLine(QPointF(x, y + (level ? high : low)), QPointF(cx, y + (level ? high : low)));
            if (cx - lastEdgeX >= 1)
                p.drawLine(QPointF(cx, y + high), QPointF(cx, y + low));
            lastEdgeX = cx;
            level = !level;
            x = cx;
        }
        p.drawLine(QPointF(x, y + (level ? high : low)),
                   QPointF(std::min<double>(xOf(now), right), y + (level ? high : low)));
    };
    for (int channel = 0; channel < 3; ++channel) {
        drawTrace(m_timer.gateTrace(channel), rowOf(channel, 1), kGate, 0);
        drawTrace(m_timer.outTrace(channel), rowOf(channel, 2), kOut, -0.5);
    }
    // The speaker follows OUT2 while port 61h bit 1 enables it; only its present state is known.
    const int ys = rowTop(kSpeakerRow);
    p.setPen(QPen(kSpeaker, 2));
    if (m_timer.pcWiring() && m_timer.speakerEnabled())
        drawTrace(m_timer.outTrace(2), kSpeakerRow, kSpeaker, -0.5);
    else
        p.drawLine(QPointF(xOf(t0), ys + low), QPointF(xOf(now), ys + low));
}
