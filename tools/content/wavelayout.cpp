#include "wavelayout.h"

#include <QFontMetricsF>
#include <cmath>

namespace Wave {

namespace {

constexpr int kMaxRowHeight = 34;
constexpr int kMinRowHeight = 16;
constexpr int kMinHalfPeriod = 6;
constexpr int kNameGap = 10;
// A gap row is this share of a signal row.
constexpr int kGapPercent = 60;

} // namespace

QFont FontStyle::font() const
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    return font;
}

int FontStyle::width(const QString &text) const
{
    return int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text)));
}

int FontStyle::height() const
{
    const QFontMetricsF metrics(font());
    return int(std::ceil(metrics.ascent() + metrics.descent()));
}

FontStyle fontOf(Role role)
{
    switch (role) {
    case Role::Title:
        return {13, true, false};
    case Role::Name:
        return {11, true, false};
    case Role::State:
        return {10, false, false};
    case Role::Value:
        return {10, false, false};
    case Role::Annotation:
        return {10, false, true};
    case Role::Note:
        return {10, false, false};
    }
    return {};
}

Built<Layout> layOut(const Diagram &diagram, const QString &fileName)
{
    Built<Layout> result;
    Layout &layout = result.value;
    const int width = diagram.size.width(), height = diagram.size.height();
    const auto error = [&](int line, const QString &what) { result.report.error(fileName, line, what); };

    const FontStyle title = fontOf(Role::Title), name = fontOf(Role::Name), state = fontOf(Role::State),
                    note = fontOf(Role::Note);
    if (title.width(diagram.title) > width - 2 * layout.margin)
        error(diagram.titleLine, QStringLiteral("the title is %1 px wide; the picture has room for %2 px")
                                     .arg(title.width(diagram.title))
                                     .arg(width - 2 * layout.margin));
    layout.titleTop = layout.margin;
    layout.stateTop = layout.titleTop + title.height() + 4;
    layout.rowsTop = layout.stateTop + state.height() + 2;

    int nameWidth = 0;
    for (const Row &row : diagram.rows)
        nameWidth = qMax(nameWidth, name.width(row.name));
    layout.x0 = layout.margin + nameWidth + kNameGap;
    layout.x1 = width - layout.margin - 2;
    const int halfPeriods = qMax(1, diagram.halfPeriods());
    if ((layout.x1 - layout.x0) / halfPeriods < kMinHalfPeriod)
        error(0, QStringLiteral("%1 half-periods do not fit %2 px beside the names: at least %3 px each is needed")
                     .arg(halfPeriods)
                     .arg(layout.x1 - layout.x0)
                     .arg(kMinHalfPeriod));
    layout.slope = qBound(2, (layout.x1 - layout.x0) / halfPeriods / 4, 4);

    const int noteHeight = note.height() + 1;
    const int notesHeight = diagram.notes.isEmpty() ? 0 : 4 + int(diagram.notes.size()) * noteHeight;
    int weight = 0; // in hundredths of a signal row
    for (const Row &row : diagram.rows)
        weight += row.kind == Row::Kind::Gap ? kGapPercent : 100;
    const int room = height - layout.margin - notesHeight - layout.rowsTop;
    const int rowHeight = weight > 0 ? qMin(kMaxRowHeight, room * 100 / weight) : kMaxRowHeight;
    if (rowHeight < kMinRowHeight)
        error(0, QStringLiteral("the rows do not fit the picture's height of %1 px: %2 px a row, at least %3 needed "
                                "(fewer rows or notes, or a larger size)")
                     .arg(height)
                     .arg(rowHeight)
                     .arg(kMinRowHeight));
    int y = layout.rowsTop;
    for (const Row &row : diagram.rows) {
        const int h = row.kind == Row::Kind::Gap ? rowHeight * kGapPercent / 100 : rowHeight;
        layout.rowTop.append(y);
        layout.rowHeight.append(h);
        y += h;
    }
    layout.rowsBottom = y;
    layout.notesTop = y + 4;
    for (qsizetype i = 0; i < diagram.notes.size(); ++i) {
        if (note.width(diagram.notes[i]) > width - 2 * layout.margin)
            error(diagram.noteLines[i], QStringLiteral("the note is %1 px wide; the picture has room for %2 px")
                                            .arg(note.width(diagram.notes[i]))
                                            .arg(width - 2 * layout.margin));
    }
    return result;
}

} // namespace Wave
