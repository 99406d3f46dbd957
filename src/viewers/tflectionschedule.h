#pragma once

#include "viewers/lecturepairformat.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The lecture's timed pairs: a time in the media device's position unit
// (milliseconds) and the slide file or glossary line shown from then on.
struct LecturePairs {
    static constexpr int kMax = LecturePairFormat::kMaxPairs;

    QList<int> times;
    QStringList texts;

    int count() const { return int(times.size()); }

    // Pairs of lines: a decimal time, then a path or a text. A last line
    // without its partner gives an empty path or text; a file of more than 30
    // pairs gives its first 30. A time that is not a decimal integer throws
    // ContentError::badNumber.
    static LecturePairs parse(const QStringList &lines);
    // The pairs of a content file; none when the file is missing.
    static LecturePairs read(const QString &contentPath);
};

// What the lecture shows as the video plays: which slide and which glossary
// line come next, where the track's slider stands, and the seeking arithmetic
// of dragging it. The window asks at each tick of its timer and carries out
// the answer.
class LectureSchedule {
public:
    static constexpr int kDragIdle = -1000;
    static constexpr int kTrackLeft = 145;
    static constexpr int kTrackRight = 559;
    static constexpr int kTrackWidth = kTrackRight - kTrackLeft;

    struct Step {
        bool reset = false;              // clear the glossary line, show the empty slide
        std::optional<int> browserLeft;  // move the slider
        std::optional<QString> slide;    // the slide file to show
        std::optional<QString> glossary; // the glossary line to show
        bool changesNothing() const { return !reset && !browserLeft && !slide && !glossary; }
    };

    void setSlides(const LecturePairs &slides);
    void setGlossary(const LecturePairs &glossary);
    const LecturePairs &slides() const { return m_slides; }
    const LecturePairs &glossary() const { return m_glossary; }

    // One tick: at most one slide and one glossary line advance; anything but
    // playing sends both back to their first entry.
    Step tick(bool playing, qint64 position, qint64 length, bool dragging);

    // 1-based, as the entries are counted.
    int nextSlide() const { return m_nextSlide; }
    int nextGlossary() const { return m_nextGlossary; }

    // The slider's left edge for a position; at the start of the track while
    // the length is unknown.
    static int browserLeft(qint64 position, qint64 length);
    // The slider's left edge after the pointer moved to x (in the slider's
    // coordinates) during a drag that began at dragStart: kept on the track
    // on the side it moves towards.
    static int dragLeft(int left, int dragStart, int x);
    // Where the next play begins for a slider left edge.
    static qint64 startOfPlay(int left, qint64 length);

private:
    LecturePairs m_slides;
    LecturePairs m_glossary;
    int m_nextSlide = 1;
    int m_nextGlossary = 1;
};
