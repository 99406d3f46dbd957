#include "lecturescript.h"

#include "picturerenderer.h"
#include "picturescript.h"
#include "sourcetext.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace LectureScript {

namespace {

const QColor kTransparentKey(255, 0, 255);

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool startsSection(const QString &line)
{
    return line.startsWith(QStringLiteral("==="));
}

void finishSection(Section &section, const QString &fileName, SourceReport &report)
{
    section.narration = section.narration.simplified();
    if (section.title.isEmpty())
        report.error(fileName, section.line, QStringLiteral("a section needs a title after \"===\""));
    if (section.glossary.isEmpty())
        report.error(fileName, section.line,
                     QStringLiteral("section \"%1\" has no \"glossary:\" line").arg(section.title));
    if (section.narration.isEmpty())
        report.error(fileName, section.line, QStringLiteral("section \"%1\" has no narration").arg(section.title));
    if (section.points.size() > 6)
        report.error(fileName, section.line,
                     QStringLiteral("section \"%1\" has more than 6 points").arg(section.title));
}

std::optional<int> setting(const QString &value, int low, int high)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < low || number > high)
        return std::nullopt;
    return number;
}

} // namespace

Built<Script> parse(const QByteArray &source, const QString &fileName)
{
    Built<Script> result;
    Script &script = result.value;
    const QStringList lines = SourceText::lines(source, fileName, result.report);
    Section *section = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || SourceText::isComment(line))
            continue;
        if (startsSection(line)) {
            if (section)
                finishSection(*section, fileName, result.report);
            script.sections.append(Section{});
            section = &script.sections.last();
            section->line = lineNumber;
            section->title = line.mid(3).trimmed();
            continue;
        }
        if (!section) {
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            const QString key = line.left(colon).trimmed();
            const QString value = colon < 0 ? QString() : line.mid(colon + 1).trimmed();
            if (key == QStringLiteral("speed")) {
                if (const auto speed = setting(value, 80, 400))
                    script.speed = *speed;
                else
                    result.report.error(fileName, lineNumber, QStringLiteral("speed is 80-400 words a minute"));
            } else if (key == QStringLiteral("gap")) {
                if (const auto gap = setting(value, 0, 5000))
                    script.gapMs = *gap;
                else
                    result.report.error(fileName, lineNumber, QStringLiteral("gap is 0-5000 milliseconds"));
            } else if (key == QStringLiteral("say")) {
                const qsizetype equals = value.indexOf(QLatin1Char('='));
                const QString written = value.left(equals).trimmed();
                const QString said = value.mid(equals + 1).trimmed();
                if (equals < 0 || written.isEmpty() || said.isEmpty())
                    result.report.error(fileName, lineNumber, QStringLiteral("write \"say: WORD = how it is said\""));
                else
                    script.says.append({written, said});
            } else {
                result.report.error(fileName, lineNumber,
                                    QStringLiteral("before the first section only speed:, gap: and say: lines"));
            }
            continue;
        }
        if (line.startsWith(QStringLiteral("glossary:"))) {
            if (!section->glossary.isEmpty())
                result.report.error(fileName, lineNumber, QStringLiteral("a second glossary line in the section"));
            section->glossary = line.mid(9).trimmed();
            SourceText::toCp1251(section->glossary, fileName, lineNumber, result.report);
        } else if (line.startsWith(QStringLiteral("- "))) {
            section->points.append(line.mid(2).trimmed());
        } else if (line.startsWith(QStringLiteral("draw "))) {
            section->drawing.append(line.mid(5).trimmed());
            section->drawingLines.append(lineNumber);
        } else {
            section->narration += QLatin1Char(' ') + line;
        }
    }
    if (section)
        finishSection(*section, fileName, result.report);
    if (script.sections.isEmpty())
        result.report.error(fileName, 0, QStringLiteral("the lecture has no sections (\"=== title\")"));
    if (script.sections.size() > kMaxSections)
        result.report.error(fileName, 0,
                            QStringLiteral("%1 sections; the lecture shows at most %2 slides")
                                .arg(script.sections.size())
                                .arg(kMaxSections));
    return result;
}

QString spoken(const Script &script, const Section &section, const QString &fileName, SourceReport &report)
{
    QList<Say> says = script.says;
    // Longer words first, so that "EISA" is not read as "E" + "ISA".
    std::stable_sort(says.begin(), says.end(),
                     [](const Say &a, const Say &b) { return a.written.size() > b.written.size(); });
    QString text = section.narration;
    for (const Say &say : std::as_const(says)) {
        const QRegularExpression word(QStringLiteral("(?<![\\p{L}\\d])") + QRegularExpression::escape(say.written) +
                                      QStringLiteral("(?![\\p{L}\\d])"));
        text.replace(word, say.spoken);
    }
    static const QRegularExpression latin(QStringLiteral("[A-Za-z][A-Za-z0-9]*"));
    QStringList unknown;
    for (auto it = latin.globalMatch(text); it.hasNext();) {
        const QString found = it.next().captured();
        if (!unknown.contains(found))
            unknown.append(found);
    }
    if (!unknown.isEmpty())
        report.error(fileName, section.line,
                     QStringLiteral("section \"%1\": no \"say:\" line for %2").arg(section.title, unknown.join(", ")));
    return text;
}

Built<QImage> renderSlide(const Section &section, const QString &fileName)
{
    QStringList commands;
    commands << QStringLiteral("size %1 %1").arg(kSlideSize) << QStringLiteral("fill #ff00ff")
             << QStringLiteral("rect 0 0 240 239 fill=#fbf8f1 pen=#4b2a6b")
             << QStringLiteral("rect 0 0 240 40 fill=#4b2a6b pen=none")
             << QStringLiteral("text 8 2 224 36 %1 size=11 bold color=#ffffff align=center").arg(quoted(section.title));
    int top = 46;
    for (const QString &point : section.points) {
        commands << QStringLiteral("text 8 %1 226 30 %2 size=9 color=#1e1e2e")
                        .arg(top)
                        .arg(quoted(QStringLiteral("• ") + point));
        top += 30;
    }
    // Drawing commands keep their own line numbers in messages.
    QByteArray script = commands.join(QLatin1Char('\n')).toUtf8() + '\n';
    const int firstDrawingLine = int(commands.size()) + 1;
    script += section.drawing.join(QLatin1Char('\n')).toUtf8() + '\n';
    Built<QImage> result;
    const Built<PictureScript::Script> parsed = PictureScript::parse(script, fileName, PictureScript::diskLoader());
    const auto where = [&](const SourceError &error) {
        const int index = error.line - firstDrawingLine;
        const int line = index >= 0 && index < section.drawingLines.size() ? section.drawingLines[index] : section.line;
        return SourceError{fileName, line, QStringLiteral("slide \"%1\": %2").arg(section.title, error.what)};
    };
    for (const SourceError &error : parsed.report.errors)
        result.report.errors.append(where(error));
    if (!parsed.ok())
        return result;
    const Built<QImage> image = PictureRenderer::render(parsed.value);
    for (const SourceError &warning : image.report.warnings)
        result.report.warnings.append(where(warning));
    for (const SourceError &error : image.report.errors)
        result.report.errors.append(where(error));
    result.value = image.value;
    return result;
}

QImage renderFrame(const QImage &slide, int section, int sectionCount)
{
    const QColor background(30, 30, 30);
    QImage frame(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    frame.fill(background);
    QImage card = slide.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < card.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(card.scanLine(y));
        for (int x = 0; x < card.width(); ++x) {
            if (QColor(row[x]).rgb() == kTransparentKey.rgb())
                row[x] = background.rgb();
        }
    }
    QPainter painter(&frame);
    painter.drawImage(0, 0, card);
    // Where the lecture stands: the section's number and a bar per section.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(200, 190, 215));
    painter.drawText(QRect(242, 6, 78, 16), Qt::AlignCenter, QStringLiteral("Раздел"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(242, 22, 78, 28), Qt::AlignCenter, QString::number(section + 1));
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(QColor(200, 190, 215));
    painter.drawText(QRect(242, 50, 78, 16), Qt::AlignCenter, QStringLiteral("из %1").arg(sectionCount));
    const int top = 74;
    const int step = qMax(4, (kFrameHeight - top - 8) / qMax(1, sectionCount));
    for (int i = 0; i < sectionCount; ++i) {
        const QColor colour = i == section  ? QColor(190, 140, 235)
                              : i < section ? QColor(120, 110, 135)
                                            : QColor(60, 56, 66);
        painter.fillRect(QRect(262, top + i * step, 38, step - 2), colour);
    }
    return frame;
}

} // namespace LectureScript
