#include "scsi/trainerlayout.h"

namespace TrainerLayout {

Geometry arrange(QSize client, QSize label1, QSize label2, QSize panel)
{
    Geometry g;
    g.bevel = QRect(0, 0, client.width(), kBevelHeight);
    const int blockHeight = label1.height() + label2.height() + panel.height() + 20;
    const int top1 = (client.height() - blockHeight) / 2;
    g.label1 = QRect(QPoint((client.width() - label1.width()) / 2, top1), label1);
    const int top2 = g.label1.top() + label1.height() + 10;
    g.label2 = QRect(QPoint((client.width() - label2.width()) / 2, top2), label2);
    const int top3 = g.label2.top() + label2.height() + 10;
    g.panel = QRect(QPoint((client.width() - panel.width()) / 2, top3), panel);
    return g;
}

} // namespace TrainerLayout
