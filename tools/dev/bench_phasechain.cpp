// Measures laying out and painting the longest bus-phase chain (21 phases
// with every signal) on the exercise's 780 x 311 paint box: median, least and
// greatest of 100 runs. The exercise repaints the chain on every change.

#include "scsi/phasechainlayout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QList<PhaseStep> steps;
    for (int i = 0; i < 21; ++i)
        steps.append({i % 10, quint16(511)});
    const ChainParameters parameters;
    QImage image(780, 311, QImage::Format_ARGB32_Premultiplied);
    const auto once = [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        PhaseChainLayout::paint(painter, PhaseChainLayout::layout(steps, parameters), QColor(240, 240, 240));
    };
    once(); // glyph caches
    QList<qint64> times;
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer timer;
        timer.start();
        once();
        times.append(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("21-phase chain, layout + paint 780x311: median %.3f ms, min %.3f ms, max %.3f ms (aim: under 2 ms)\n",
                times[50] / 1e6, times.first() / 1e6, times.last() / 1e6);
    return 0;
}
