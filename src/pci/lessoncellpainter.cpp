#include "pci/lessoncellpainter.h"

#include "pci/signalstates.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

using namespace SignalStates;

namespace LessonCellPainter {

Levels levels(const QRect &cell)
{
    Levels l;
    l.left = cell.left();
    l.top = cell.top();
    l.right = cell.left() + cell.width();
    l.bottom = cell.top() + cell.height();
    l.high = l.top + 4;
    l.low = l.bottom - 2;
    l.mid = l.top + 1 + cell.height() / 2;
    l.xMid = l.left + cell.width() / 2;
    return l;
}

void paintState(QPainter &painter, const QRect &rect, int state, int column)
{
    const Levels l = levels(rect);
    const int a = l.xMid - 5; // where a transition starts
    const int b = l.xMid + 5; // and where it ends
    painter.setPen(QPen(Qt::black, 2));
    const auto path = [&painter](std::initializer_list<QPoint> points) {
        painter.drawPolyline(QPolygon(QList<QPoint>(points)));
    };
    switch (state) {
    case ValidValue:
        path({{l.left, l.high}, {l.right, l.high}});
        path({{l.left, l.low}, {l.right, l.low}});
        break;
    case ClockPeriod: {
        path({{l.left, l.mid}, {l.left + 5, l.high}, {a, l.high}, {b, l.low}, {l.right - 5, l.low}, {l.right, l.mid}});
        painter.setPen(kPeriodNumber);
        const int textHeight = painter.fontMetrics().height();
        painter.drawText(QRect(l.left + 2, l.bottom - textHeight, rect.width() - 2, textHeight),
                         Qt::AlignLeft | Qt::AlignTop, QString::number(column % 10));
        break;
    }
    case FallingEdge:
        path({{l.left, l.high}, {a, l.high}, {b, l.low}, {l.right, l.low}});
        break;
    case RisingEdge:
        path({{l.left, l.low}, {a, l.low}, {b, l.high}, {l.right, l.high}});
        break;
    case High:
        path({{l.left, l.high}, {l.right, l.high}});
        break;
    case Low:
        path({{l.left, l.low}, {l.right, l.low}});
        break;
    case HighImpedance:
        path({{l.left, l.mid}, {l.right, l.mid}});
        break;
    case ValueStarts:
        path({{l.left, l.mid}, {a, l.mid}, {b, l.low}, {l.right, l.low}});
        path({{a, l.mid}, {b, l.high}, {l.right, l.high}});
        break;
    case ValueChanges:
        path({{l.left, l.high}, {a, l.high}, {b, l.low}, {l.right, l.low}});
        path({{l.left, l.low}, {a, l.low}, {b, l.high}, {l.right, l.high}});
        break;
    case ValueEnds:
        path({{l.left, l.high}, {a, l.high}, {b, l.mid}, {l.right, l.mid}});
        path({{l.left, l.low}, {a, l.low}, {b, l.mid}});
        break;
    default: // DontCare: nothing
        break;
    }
}

void paint(QPainter &painter, const QRect &rect, const Cell &cell)
{
    painter.save();
    painter.setClipRect(rect);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Levels l = levels(rect);

    painter.setPen(QPen(kGridLine, 1, Qt::DotLine));
    painter.drawPolyline(QPolygon(QList<QPoint>{{l.right, l.top}, {l.left, l.top}, {l.left, l.bottom}}));

    if (cell.column >= 1 && cell.column <= kPeriods) {
        if (cell.state != ClockPeriod) {
            painter.setPen(Qt::white);
            painter.setBrush(cell.active ? kActiveFill : QColor(Qt::white));
            painter.drawRect(QRect(l.left + 1, l.top + 1, rect.width() - 3, rect.height() - 3));
            painter.setBrush(Qt::NoBrush);
        }
        painter.setPen(QPen(cell.active && cell.pending ? kPendingGuide : kGuide, 1, Qt::DashDotLine));
        painter.drawLine(l.xMid, l.top, l.xMid, l.bottom);
        paintState(painter, rect, cell.state, cell.column);
    }
    painter.restore();
}

} // namespace LessonCellPainter
