#include "viewers/tflectionschedule.h"

#include "platform/contentpath.h"
#include "platform/textfile.h"

#include <QtMath>

LecturePairs LecturePairs::parse(const QStringList &lines)
{
    QStringList used = lines;
    // Blank lines after the last pair are an editor's leftovers, not a pair.
    while (!used.isEmpty() && used.last().trimmed().isEmpty())
        used.removeLast();
    LecturePairs pairs;
    for (int i = 0; i < kMax && 2 * i < used.size(); ++i) {
        pairs.times.append(TextFile::toInt(used[2 * i]));
        pairs.texts.append(2 * i + 1 < used.size() ? used[2 * i + 1] : QString());
    }
    return pairs;
}

LecturePairs LecturePairs::read(const QString &contentPath)
{
    if (!ContentPath::exists(contentPath))
        return {};
    return parse(TextFile::readLines(contentPath));
}

void LectureSchedule::setSlides(const LecturePairs &slides)
{
    m_slides = slides;
    m_nextSlide = 1;
}

void LectureSchedule::setGlossary(const LecturePairs &glossary)
{
    m_glossary = glossary;
    m_nextGlossary = 1;
}

LectureSchedule::Step LectureSchedule::tick(bool playing, qint64 position, qint64 length, bool dragging)
{
    Step step;
    if (!playing) {
        if (m_nextSlide == 1 && m_nextGlossary == 1)
            return step;
        m_nextSlide = 1;
        m_nextGlossary = 1;
        step.reset = true;
        return step;
    }
    if (!dragging)
        step.browserLeft = browserLeft(position, length);
    if (m_nextSlide <= m_slides.count() && position > m_slides.times[m_nextSlide - 1]) {
        step.slide = m_slides.texts[m_nextSlide - 1];
        ++m_nextSlide;
    }
    if (m_nextGlossary <= m_glossary.count() && position > m_glossary.times[m_nextGlossary - 1]) {
        step.glossary = m_glossary.texts[m_nextGlossary - 1];
        ++m_nextGlossary;
    }
    return step;
}

int LectureSchedule::browserLeft(qint64 position, qint64 length)
{
    if (length <= 0)
        return kTrackLeft;
    const qint64 clamped = qBound<qint64>(0, position, length);
    return qRound(double(clamped) * kTrackWidth / double(length) + kTrackLeft);
}

int LectureSchedule::dragLeft(int left, int dragStart, int x)
{
    const int wanted = left - dragStart + x;
    return x >= dragStart ? qMin(wanted, kTrackRight) : qMax(wanted, kTrackLeft);
}

qint64 LectureSchedule::startOfPlay(int left, qint64 length)
{
    return qRound64(double(length) * (left - kTrackLeft) / kTrackWidth);
}
