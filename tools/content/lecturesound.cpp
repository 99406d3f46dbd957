#include "lecturesound.h"

#include <QFile>
#include <QtEndian>

namespace LectureSound {

qint64 Pcm::lengthMs() const
{
    const qint64 frameBytes = qint64(channels) * 2;
    if (sampleRate <= 0 || frameBytes <= 0)
        return 0;
    return samples.size() / frameBytes * 1000 / sampleRate;
}

std::optional<Pcm> readWav(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parseWav(file.readAll());
}

std::optional<Pcm> parseWav(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Pcm pcm;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = qMin<qsizetype>(qsizetype(size), bytes.size() - body);
        if (id == "fmt " && available >= 16) {
            const auto *p = bytes.constData() + body;
            const quint16 format = qFromLittleEndian<quint16>(p);
            pcm.channels = qFromLittleEndian<quint16>(p + 2);
            pcm.sampleRate = int(qFromLittleEndian<quint32>(p + 4));
            const quint16 bits = qFromLittleEndian<quint16>(p + 14);
            if (format != 1 || bits != 16 || pcm.channels < 1 || pcm.sampleRate < 1)
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            const qsizetype frameBytes = qsizetype(pcm.channels) * 2;
            pcm.samples = bytes.mid(body, available - available % frameBytes);
            return pcm;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

QByteArray wav(const Pcm &pcm)
{
    QByteArray bytes;
    auto put32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    auto put16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    bytes += "RIFF";
    put32(quint32(36 + pcm.samples.size()));
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(quint16(pcm.channels));
    put32(quint32(pcm.sampleRate));
    put32(quint32(pcm.sampleRate * pcm.channels * 2));
    put16(quint16(pcm.channels * 2));
    put16(16);
    bytes += "data";
    put32(quint32(pcm.samples.size()));
    bytes += pcm.samples;
    return bytes;
}

Joined join(const QList<Pcm> &recordings, int gapMs)
{
    Joined joined;
    if (recordings.isEmpty())
        return joined;
    joined.pcm.sampleRate = recordings.first().sampleRate;
    joined.pcm.channels = recordings.first().channels;
    const qsizetype frameBytes = qsizetype(joined.pcm.channels) * 2;
    const QByteArray gap(qsizetype(gapMs) * joined.pcm.sampleRate / 1000 * frameBytes, '\0');
    for (const Pcm &recording : recordings) {
        joined.startsMs.append(joined.pcm.samples.size() / frameBytes * 1000 / joined.pcm.sampleRate);
        joined.pcm.samples += recording.samples;
        joined.pcm.samples += gap;
    }
    joined.lengthMs = joined.pcm.lengthMs();
    return joined;
}

} // namespace LectureSound
