#include "timerlab/speakersound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <cmath>
#include <cstring>

SquareWaveSource::SquareWaveSource(int sampleRate, QObject *parent)
    : QIODevice(parent)
    , m_sampleRate(sampleRate)
{
    open(QIODevice::ReadOnly);
}

void SquareWaveSource::setFrequency(double hz)
{
    m_frequency = (hz >= 20 && hz <= 16000) ? hz : 0;
}

qint64 SquareWaveSource::readData(char *data, qint64 maxSize)
{
    const qint64 samples = maxSize / 2;
    auto *out = reinterpret_cast<qint16 *>(data);
    const double step = m_frequency / m_sampleRate;
    for (qint64 i = 0; i < samples; ++i) {
        qint16 value = 0;
        if (m_frequency > 0) {
            value = m_phase < 0.5 ? 6000 : -6000;
            m_phase += step;
            m_phase -= std::floor(m_phase);
        }
        std::memcpy(out + i, &value, sizeof value);
    }
    return samples * 2;
}

SpeakerSound::SpeakerSound(QObject *parent)
    : QObject(parent)
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return;
    m_source = new SquareWaveSource(format.sampleRate(), this);
    m_sink = new QAudioSink(device, format, this);
    m_sink->setBufferSize(format.bytesForDuration(60000));
    m_sink->start(m_source);
}

SpeakerSound::~SpeakerSound()
{
    if (m_sink)
        m_sink->stop();
}

void SpeakerSound::setTone(double hz)
{
    if (m_source)
        m_source->setFrequency(hz);
}
