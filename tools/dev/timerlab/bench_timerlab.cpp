// Times the timer laboratory's two hot paths: one simulated second of all
// three channels at the PC clock, and a repaint of the waveform view.
#include "timerlab/pctimer.h"
#include "timerlab/waveformview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void program(PcTimer &timer)
{
    timer.out(0x43, 0x36); // channel 0, mode 3, 65536: the 18.2 Hz system tick
    timer.out(0x40, 0x00);
    timer.out(0x40, 0x00);
    timer.out(0x43, 0x54); // channel 1, mode 2, 18: memory refresh
    timer.out(0x41, 18);
    timer.out(0x43, 0xB6); // channel 2, mode 3, 440 Hz to the speaker
    timer.out(0x42, 0x98);
    timer.out(0x42, 0x0A);
    timer.out(0x61, 0x03);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::vector<double> simulate;
    for (int run = 0; run < 15; ++run) {
        PcTimer timer;
        program(timer);
        QElapsedTimer clock;
        clock.start();
        timer.advance(1193182);
        simulate.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("one simulated second, three channels: median %.2f ms (min %.2f, max %.2f)\n", median(simulate),
                *std::min_element(simulate.begin(), simulate.end()),
                *std::max_element(simulate.begin(), simulate.end()));

    PcTimer timer;
    program(timer);
    timer.advance(1193182);
    WaveformView view(timer);
    view.resize(1080, view.sizeHint().height());
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    for (const double pixels : {16.0, 0.01}) {
        view.setPixelsPerClock(pixels);
        std::vector<double> paint;
        for (int run = 0; run < 30; ++run) {
            QElapsedTimer clock;
            clock.start();
            view.render(&image);
            paint.push_back(clock.nsecsElapsed() / 1e6);
        }
        std::printf("waveform repaint at %.2f px/period: median %.2f ms\n", pixels, median(paint));
    }
    return 0;
}
