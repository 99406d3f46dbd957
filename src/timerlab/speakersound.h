#pragma once

#include <QIODevice>
#include <QObject>

class QAudioSink;

// A square wave of a given frequency, as 16-bit mono samples.
class SquareWaveSource : public QIODevice {
    Q_OBJECT
public:
    explicit SquareWaveSource(int sampleRate, QObject *parent = nullptr);
    // 0 (or a tone nobody hears) gives silence.
    void setFrequency(double hz);
    double frequency() const { return m_frequency; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }
    qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

private:
    int m_sampleRate;
    double m_frequency = 0;
    double m_phase = 0; // 0..1 within a period
};

// The PC speaker: channel 2's square wave while port 61h enables it, played
// through the machine's audio output when it has one.
class SpeakerSound : public QObject {
    Q_OBJECT
public:
    explicit SpeakerSound(QObject *parent = nullptr);
    ~SpeakerSound() override;

    bool available() const { return m_sink != nullptr; }
    void setTone(double hz);
    double tone() const { return m_source ? m_source->frequency() : 0; }

private:
    QAudioSink *m_sink = nullptr;
    SquareWaveSource *m_source = nullptr;
};
