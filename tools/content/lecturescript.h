#pragma once

#include "sourceerror.h"
#include "viewers/lecturepairformat.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The introductory lecture's script (X.lecture): settings, then sections, each
// with the slide shown while it is spoken, the glossary line shown with it and
// the narration.
//
//   speed: 150                      # words a minute of the voice
//   gap: 700                        # silence between sections, milliseconds
//   say: ISA = И-Эс-А               # how the voice is to say a Latin word
//   === Title of the slide
//   glossary: Шина — ...            # the line under the video
//   - a point of the slide
//   draw arrow 20 150 220 150       # a picture command drawn on the slide
//   Narration, any number of lines; blank lines separate paragraphs.
namespace LectureScript {

constexpr int kSlideSize = 240;
constexpr int kFrameWidth = 320;
constexpr int kFrameHeight = 240;
constexpr int kMaxSections = LecturePairFormat::kMaxPairs; // a pair per section

struct Say {
    QString written;
    QString spoken;
};

struct Section {
    int line = 0; // of the "===" line
    QString title;
    QString glossary;
    QStringList points;
    QStringList drawing; // picture-script commands
    QList<int> drawingLines;
    QString narration;
};

struct Script {
    int speed = 150;
    int gapMs = 700;
    QList<Say> says;
    QList<Section> sections;
};

Built<Script> parse(const QByteArray &source, const QString &fileName);

// The narration as the voice is to read it: every Latin word replaced by its
// spoken form. A Latin word without one is reported (the Russian voice would
// misread it).
QString spoken(const Script &script, const Section &section, const QString &fileName, SourceReport &report);

// The slide of a section (240 x 240). Its bottom-left pixel has the colour that
// the lecture window shows as transparent.
Built<QImage> renderSlide(const Section &section, const QString &fileName);
// A picture of the video while a section is spoken (320 x 240): its slide and
// where the section lies in the lecture.
QImage renderFrame(const QImage &slide, int section, int sectionCount);

} // namespace LectureScript
