// Reading a timing-diagram source line by line.
#include "sourcetext.h"
#include "wavediagram.h"

#include <QRegularExpression>
#include <QSet>

namespace Wave {

namespace {

const QString kWaveCharacters = QStringLiteral("01zx=./\\");

// Words of a line; a word in double quotes may hold spaces.
QStringList words(const QString &text, bool *unclosed)
{
    QStringList result;
    *unclosed = false;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        if (text[i] == QLatin1Char('"')) {
            const qsizetype end = text.indexOf(QLatin1Char('"'), i + 1);
            if (end < 0) {
                *unclosed = true;
                result.append(text.mid(i + 1));
                return result;
            }
            result.append(text.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        result.append(text.mid(i, end - i));
        i = end;
    }
    return result;
}

// The rest of a line after its keyword, without surrounding quotes.
QString restAfter(const QString &line, const QString &keyword)
{
    QString rest = line.trimmed().mid(keyword.size()).trimmed();
    if (rest.size() >= 2 && rest.startsWith(QLatin1Char('"')) && rest.endsWith(QLatin1Char('"')))
        rest = rest.mid(1, rest.size() - 2);
    return rest;
}

class Parser {
public:
    Parser(const QString &fileName, SourceReport &report)
        : m_file(fileName)
        , m_report(report)
    {}

    void line(const QString &text, int number);
    void finish();
    Diagram diagram;

private:
    void error(int line, const QString &what) { m_report.error(m_file, line, what); }
    bool encodable(const QString &text, int line)
    {
        return SourceText::toCp1251(text, m_file, line, m_report).has_value();
    }
    void clock(const QStringList &parts, int line);
    void size(const QStringList &parts, int line);
    void nodes(const QStringList &parts, int line);
    void arrow(const QString &text, int line);
    void row(const QStringList &parts, int line);
    void checkRow(Row &row);

    QString m_file;
    SourceReport &m_report;
    bool m_haveClock = false;
    bool m_haveSize = false;
};

void Parser::line(const QString &text, int number)
{
    bool unclosed = false;
    const QStringList parts = words(text, &unclosed);
    if (unclosed)
        error(number, QStringLiteral("a quoted text is not closed"));
    const QString keyword = parts.first();
    if (keyword == QStringLiteral("title")) {
        if (!diagram.title.isEmpty())
            error(number, QStringLiteral("a second title (the diagram has one)"));
        diagram.title = restAfter(text, keyword);
        diagram.titleLine = number;
        if (diagram.title.isEmpty())
            error(number, QStringLiteral("the title is empty"));
        encodable(diagram.title, number);
    } else if (keyword == QStringLiteral("size")) {
        size(parts, number);
    } else if (keyword == QStringLiteral("clock")) {
        clock(parts, number);
    } else if (keyword == QStringLiteral("node")) {
        nodes(parts, number);
    } else if (keyword == QStringLiteral("gap")) {
        if (parts.size() > 1)
            error(number, QStringLiteral("\"gap\" takes nothing after it"));
        Row gap;
        gap.kind = Row::Kind::Gap;
        gap.line = number;
        diagram.rows.append(gap);
    } else if (keyword == QStringLiteral("arrow")) {
        arrow(restAfter(text, keyword), number);
    } else if (keyword == QStringLiteral("text")) {
        if (parts.size() < 3 || parts[1].size() != 1) {
            error(number, QStringLiteral("write: text <node letter> <text>"));
            return;
        }
        diagram.labels.append({parts[1][0], restAfter(text, keyword).mid(1).trimmed(), number});
        QString &label = diagram.labels.last().text;
        if (label.size() >= 2 && label.startsWith(QLatin1Char('"')) && label.endsWith(QLatin1Char('"')))
            label = label.mid(1, label.size() - 2);
        encodable(label, number);
    } else if (keyword == QStringLiteral("note")) {
        const QString note = restAfter(text, keyword);
        if (note.isEmpty())
            error(number, QStringLiteral("the note is empty"));
        encodable(note, number);
        diagram.notes.append(note);
        diagram.noteLines.append(number);
    } else {
        row(parts, number);
    }
}

void Parser::size(const QStringList &parts, int line)
{
    bool okW = false, okH = false;
    const int width = parts.value(1).toInt(&okW), height = parts.value(2).toInt(&okH);
    if (parts.size() != 3 || !okW || !okH || width < 100 || height < 100 || width > 2000 || height > 2000) {
        error(line, QStringLiteral("write: size <width> <height>, in pixels from 100 to 2000"));
        return;
    }
    if (m_haveSize)
        error(line, QStringLiteral("a second size"));
    m_haveSize = true;
    diagram.size = QSize(width, height);
}

void Parser::clock(const QStringList &parts, int line)
{
    if (m_haveClock) {
        error(line, QStringLiteral("a second clock (the diagram has one)"));
        return;
    }
    m_haveClock = true;
    if (parts.size() < 3) {
        error(line, QStringLiteral("write: clock <name> <state> <state> ... (one state per clock period)"));
        return;
    }
    if (parts.size() - 2 > kMaxStates)
        error(line, QStringLiteral("%1 clock periods; at most %2 fit a diagram").arg(parts.size() - 2).arg(kMaxStates));
    for (qsizetype i = 2; i < parts.size() && i - 2 < kMaxStates; ++i) {
        QString name = parts[i];
        State state;
        state.wait = name.startsWith(QLatin1Char('*'));
        if (state.wait)
            name = name.mid(1);
        state.name = name == QStringLiteral("-") ? QString() : name;
        encodable(state.name, line);
        diagram.states.append(state);
    }
    Row row;
    row.kind = Row::Kind::Clock;
    row.name = parts[1];
    row.line = line;
    encodable(row.name, line);
    diagram.rows.append(row);
}

void Parser::nodes(const QStringList &parts, int line)
{
    if (diagram.rows.isEmpty()) {
        error(line, QStringLiteral("\"node\" marks edges of the row above it, and there is none"));
        return;
    }
    Row &row = diagram.rows.last();
    if (!row.nodes.isEmpty()) {
        error(line, QStringLiteral("a second node line for the row \"%1\"").arg(row.name));
        return;
    }
    if (parts.size() != 2) {
        error(line, QStringLiteral("write: node <pattern>, e.g. node ..a...b (letters mark edges)"));
        return;
    }
    row.nodes = parts[1];
    for (qsizetype i = 0; i < row.nodes.size(); ++i) {
        const QChar c = row.nodes[i];
        if (c != QLatin1Char('.') && !(c.isLetterOrNumber() && c.unicode() < 128))
            error(line, QStringLiteral("node character '%1' at position %2: use '.' or a Latin letter or digit")
                            .arg(c)
                            .arg(i + 1));
    }
}

void Parser::arrow(const QString &text, int line)
{
    static const QRegularExpression shape(QStringLiteral("^(\\S)\\s*(<->|->)\\s*(\\S)(?:\\s+(.*))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        error(line, QStringLiteral("write: arrow a -> b <label>  or  arrow a <-> b <label>"));
        return;
    }
    Arrow arrow;
    arrow.from = match.captured(1)[0];
    arrow.twoHeaded = match.captured(2) == QStringLiteral("<->");
    arrow.to = match.captured(3)[0];
    arrow.label = match.captured(4).trimmed();
    if (arrow.label.size() >= 2 && arrow.label.startsWith(QLatin1Char('"')) && arrow.label.endsWith(QLatin1Char('"')))
        arrow.label = arrow.label.mid(1, arrow.label.size() - 2);
    arrow.line = line;
    if (arrow.from == arrow.to)
        error(line, QStringLiteral("an arrow needs two different nodes"));
    encodable(arrow.label, line);
    diagram.arrows.append(arrow);
}

void Parser::row(const QStringList &parts, int line)
{
    if (parts.size() < 2) {
        error(line, QStringLiteral("\"%1\": a row is written as <name> <wave> [labels], or the line starts with one of "
                                   "title, size, clock, node, gap, arrow, text, note")
                        .arg(parts.first()));
        return;
    }
    Row row;
    row.name = parts[0];
    row.wave = parts[1];
    row.labels = parts.mid(2);
    row.line = line;
    encodable(row.name, line);
    for (const QString &label : std::as_const(row.labels))
        encodable(label, line);
    diagram.rows.append(row);
}

// Checks a row against the clock's length once the whole file is read.
void Parser::checkRow(Row &row)
{
    const int length = diagram.halfPeriods();
    if (row.nodes.size() > length + 1)
        error(row.line, QStringLiteral("the node line of \"%1\" is longer than the clock (%2 half-periods)")
                            .arg(row.name)
                            .arg(length));
    if (row.kind != Row::Kind::Signal)
        return;
    if (row.wave.size() > length) {
        error(row.line, QStringLiteral("the wave of \"%1\" has %2 half-periods, the clock %3")
                            .arg(row.name)
                            .arg(row.wave.size())
                            .arg(length));
        return;
    }
    for (qsizetype i = 0; i < row.wave.size(); ++i) {
        if (!kWaveCharacters.contains(row.wave[i])) {
            error(row.line, QStringLiteral("wave character '%1' at position %2 of \"%3\": use 0 1 z x = . / \\")
                                .arg(row.wave[i])
                                .arg(i + 1)
                                .arg(row.name));
            return;
        }
    }
    if (row.wave.startsWith(QLatin1Char('.'))) {
        error(row.line, QStringLiteral("the wave of \"%1\" starts with '.', which continues nothing").arg(row.name));
        return;
    }
    const qsizetype values = row.wave.count(QLatin1Char('='));
    if (values != row.labels.size())
        error(row.line, QStringLiteral("\"%1\" has %2 values ('=') and %3 labels")
                            .arg(row.name)
                            .arg(values)
                            .arg(row.labels.size()));
    row.wave = row.wave.leftJustified(length, QLatin1Char('.'));
}

void Parser::finish()
{
    if (diagram.title.isEmpty() && diagram.titleLine == 0)
        error(0, QStringLiteral("no title line"));
    if (!m_haveClock) {
        error(0, QStringLiteral("no clock line (clock <name> <states...>)"));
        return;
    }
    QSet<QChar> seen;
    bool anySignal = false;
    for (Row &row : diagram.rows) {
        checkRow(row);
        anySignal = anySignal || row.kind == Row::Kind::Signal;
        for (const QChar c : std::as_const(row.nodes)) {
            if (c == QLatin1Char('.'))
                continue;
            if (seen.contains(c))
                error(row.line, QStringLiteral("node '%1' is marked twice").arg(c));
            seen.insert(c);
        }
    }
    if (!anySignal)
        error(0, QStringLiteral("no signal rows"));
    for (const Arrow &arrow : std::as_const(diagram.arrows)) {
        for (const QChar c : {arrow.from, arrow.to}) {
            if (!seen.contains(c))
                error(arrow.line, QStringLiteral("node '%1' is not marked on any row").arg(c));
        }
    }
    for (const Label &label : std::as_const(diagram.labels)) {
        if (!seen.contains(label.at))
            error(label.line, QStringLiteral("node '%1' is not marked on any row").arg(label.at));
    }
}

} // namespace

Built<Diagram> parse(const QByteArray &source, const QString &fileName)
{
    Built<Diagram> result;
    Parser parser(fileName, result.report);
    const QStringList lines = SourceText::lines(source, fileName, result.report);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty() || SourceText::isComment(lines[i]))
            continue;
        parser.line(lines[i], int(i + 1));
    }
    parser.finish();
    result.value = parser.diagram;
    return result;
}

} // namespace Wave
