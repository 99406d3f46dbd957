#pragma once

#include "timerlab/pctimer.h"

#include <QElapsedTimer>
#include <QMainWindow>

class ChannelPanel;
class ProgramPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimer;
class SpeakerSound;
class VariantPanel;
class WaveformView;

// The laboratory program for the programmable interval timer: the three
// channels, their waveforms, a port-command program and the task-2 check.
class TimerLabWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TimerLabWindow(QWidget *parent = nullptr);
    ~TimerLabWindow() override;

    PcTimer &timer() { return m_timer; }
    WaveformView *waveform() const { return m_waveform; }
    bool running() const;
    void stepClock();
    void setRunning(bool run);
    void resetTimer();
    // Runs the simulation for the given wall-clock milliseconds at the chosen speed.
    void advanceFor(qint64 elapsedMs);
    // The frequency the speaker plays now (0 when silent).
    static double speakerTone(const PcTimer &timer);

private:
    void refresh();
    void log(const QString &line);

    PcTimer m_timer;
    ChannelPanel *m_channels[3] = {};
    ProgramPanel *m_program = nullptr;
    VariantPanel *m_variants = nullptr;
    WaveformView *m_waveform = nullptr;
    QPlainTextEdit *m_log = nullptr;
    QPushButton *m_runButton = nullptr;
    QComboBox *m_speed = nullptr;
    QSlider *m_zoom = nullptr;
    QCheckBox *m_pcWiring = nullptr;
    QComboBox *m_chip = nullptr;
    QLabel *m_timeLabel = nullptr;
    QTimer *m_ticker = nullptr;
    QElapsedTimer m_wallClock;
    double m_carry = 0;
    SpeakerSound *m_sound = nullptr;
};
