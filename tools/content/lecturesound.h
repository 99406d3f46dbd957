#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// The lecture's narration as 16-bit PCM: reading the recordings of the voice
// and joining them with silence between sections.
namespace LectureSound {

struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples; // 16-bit little-endian, interleaved

    qint64 lengthMs() const;
};

// A RIFF WAVE file of 16-bit PCM; nullopt for anything else. A data chunk
// that claims more than the file holds (a recording written to a pipe) is cut
// to what is there.
std::optional<Pcm> readWav(const QString &path);
std::optional<Pcm> parseWav(const QByteArray &bytes);
QByteArray wav(const Pcm &pcm);

struct Joined {
    Pcm pcm;
    QList<qint64> startsMs; // where each recording begins
    qint64 lengthMs = 0;
};

// The recordings one after another, each followed by gapMs of silence. All
// recordings must share the first one's format (the voice always gives one).
Joined join(const QList<Pcm> &recordings, int gapMs);

} // namespace LectureSound
