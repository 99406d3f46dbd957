#pragma once

#include <QWidget>

class PcTimer;

// The timing diagram of the three channels: CLK, GATE and OUT of each, and
// the speaker, over the most recent CLK periods, scrolling as time runs.
class WaveformView : public QWidget {
    Q_OBJECT
public:
    explicit WaveformView(const PcTimer &timer, QWidget *parent = nullptr);

    // Pixels per CLK period; below about 4 the clock is drawn as a band.
    void setPixelsPerClock(double pixels);
    double pixelsPerClock() const { return m_pixelsPerClock; }
    QSize sizeHint() const override;

    static constexpr int kLabelWidth = 64;
    static constexpr int kRowHeight = 22;
    static constexpr int kAxisHeight = 22;
    // The row of a signal: channel 0..2 and kind 0 CLK, 1 GATE, 2 OUT; row 9 is the speaker.
    static int rowOf(int channel, int kind) { return channel * 3 + kind; }
    static constexpr int kSpeakerRow = 9;
    // x of a time (in CLK periods) for the current width and time.
    double xOf(double time) const;
    double firstVisibleTime() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PcTimer &m_timer;
    double m_pixelsPerClock = 16;
};
