#include "wavedrawing.h"

#include <QLineF>
#include <QtMath>

namespace Wave {

namespace {

enum Align { kLeft = 0, kRight = 2, kCenter = 6, kTop = 0, kBottom = 8 };

const QColor kInk(0x00, 0x00, 0x80);
const QColor kBusFill(0xE4, 0xEE, 0xFF);
const QColor kUnknown(0xA8, 0xA8, 0xA8);
const QColor kWaitFill(0xFF, 0xF1, 0xC0);
const QColor kGrid(0xB0, 0xB0, 0xB0);
const QColor kAnnotation(0xA0, 0x00, 0x00);
const QColor kTitle(0x00, 0x00, 0x80);
const QColor kText(0x00, 0x00, 0x00);
const QColor kNote(0x40, 0x40, 0x40);

int roleKey(Role role)
{
    return int(role);
}

} // namespace

DiagramPainter::DiagramPainter(const Diagram &diagram, const Layout &layout, WmfWriter &writer, const QString &fileName,
                               SourceReport &report)
    : m_diagram(diagram)
    , m_layout(layout)
    , m_writer(writer)
    , m_file(fileName)
    , m_report(report)
{
    m_signalPen = writer.createPen(kInk, 2);
    m_busPen = writer.createPen(kInk, 1);
    m_gridPen = writer.createPen(kGrid, 1, Qt::DotLine);
    m_arrowPen = writer.createPen(kAnnotation, 1);
    m_leaderPen = writer.createPen(kAnnotation, 1, Qt::DotLine);
    m_nullPen = writer.createPen(Qt::white, 0, Qt::NoPen);
    m_busBrush = writer.createBrush(kBusFill);
    m_unknownBrush = writer.createBrush(kUnknown, WmfWriter::Hatch::BackwardDiagonal);
    m_waitBrush = writer.createBrush(kWaitFill);
    m_arrowBrush = writer.createBrush(kAnnotation);
    m_hollowBrush = writer.createHollowBrush();
    for (Role role : {Role::Title, Role::Name, Role::State, Role::Value, Role::Annotation, Role::Note}) {
        const FontStyle font = fontOf(role);
        m_fonts.insert(roleKey(role), writer.createFont(font.pixels, font.bold, font.italic));
    }
    writer.setTransparentBackground();
}

void DiagramPainter::paint()
{
    paintBackground();
    paintHeader();
    for (int i = 0; i < m_diagram.rows.size(); ++i)
        paintRow(i);
    paintArrows();
    paintNotes();
}

void DiagramPainter::text(const QPoint &at, const QString &text, Role role, const QColor &color, int align, int line)
{
    if (text.isEmpty())
        return;
    const FontStyle font = fontOf(role);
    const int width = font.width(text);
    int left = at.x();
    if ((align & kCenter) == kCenter)
        left -= width / 2;
    else if (align & kRight)
        left -= width;
    if (left < 0 || left + width > m_diagram.size.width())
        m_report.error(m_file, line,
                       QStringLiteral("\"%1\" runs past the edge of the picture (%2 px wide at x %3)")
                           .arg(text)
                           .arg(width)
                           .arg(left));
    m_writer.select(m_fonts.value(roleKey(role)));
    if (align != m_align) {
        m_writer.setTextAlign(align);
        m_align = align;
    }
    if (color != m_textColor) {
        m_writer.setTextColor(color);
        m_textColor = color;
    }
    if (!m_writer.text(at, text))
        m_report.error(m_file, line, QStringLiteral("\"%1\" has a character without a Windows-1251 form").arg(text));
}

void DiagramPainter::paintBackground()
{
    const int n = m_diagram.halfPeriods();
    m_writer.select(m_nullPen);
    m_writer.select(m_waitBrush);
    for (int i = 0; i < m_diagram.states.size(); ++i) {
        if (m_diagram.states[i].wait)
            m_writer.rectangle(QRect(QPoint(m_layout.x(2 * i, n), m_layout.stateTop),
                                     QPoint(m_layout.x(2 * i + 2, n), m_layout.rowsBottom)));
    }
    m_writer.select(m_gridPen);
    for (int i = 0; i <= m_diagram.states.size(); ++i) {
        const int x = m_layout.x(2 * i, n);
        m_writer.polyline(QPolygon({QPoint(x, m_layout.stateTop), QPoint(x, m_layout.rowsBottom)}));
    }
}

void DiagramPainter::paintHeader()
{
    text(QPoint(m_diagram.size.width() / 2, m_layout.titleTop), m_diagram.title, Role::Title, kTitle, kCenter | kTop,
         m_diagram.titleLine);
    const int n = m_diagram.halfPeriods();
    int clockLine = 0;
    for (const Row &row : m_diagram.rows) {
        if (row.kind == Row::Kind::Clock)
            clockLine = row.line;
    }
    for (int i = 0; i < m_diagram.states.size(); ++i) {
        const State &state = m_diagram.states[i];
        const int centre = (m_layout.x(2 * i, n) + m_layout.x(2 * i + 2, n)) / 2;
        if (fontOf(Role::State).width(state.name) > m_layout.x(2 * i + 2, n) - m_layout.x(2 * i, n))
            m_report.error(m_file, clockLine,
                           QStringLiteral("the state \"%1\" is wider than its clock period").arg(state.name));
        text(QPoint(centre, m_layout.stateTop), state.name, Role::State, state.wait ? kAnnotation : kText,
             kCenter | kTop, clockLine);
    }
}

QList<DiagramPainter::Segment> DiagramPainter::segmentsOf(const Row &row) const
{
    QString wave = row.wave;
    if (row.kind == Row::Kind::Clock) {
        wave.clear();
        for (int i = 0; i < m_diagram.states.size(); ++i)
            wave += QStringLiteral("10");
    }
    QList<Segment> segments;
    int value = 0;
    for (int i = 0; i < wave.size(); ++i) {
        QChar c = wave[i];
        if (c == QLatin1Char('.') && !segments.isEmpty()) {
            Segment &last = segments.last();
            if (last.kind == QLatin1Char('/') || last.kind == QLatin1Char('\\'))
                c = last.kind == QLatin1Char('/') ? QLatin1Char('1') : QLatin1Char('0');
            else {
                last.to = i + 1;
                continue;
            }
        }
        const bool ramp = c == QLatin1Char('/') || c == QLatin1Char('\\');
        if (!segments.isEmpty() && segments.last().kind == c && c != QLatin1Char('=') && !ramp) {
            segments.last().to = i + 1;
            continue;
        }
        segments.append(Segment{c, i, i + 1, c == QLatin1Char('=') ? value++ : -1});
    }
    return segments;
}

void DiagramPainter::paintRow(int index)
{
    const Row &row = m_diagram.rows[index];
    if (row.kind == Row::Kind::Gap)
        return;
    const FontStyle name = fontOf(Role::Name);
    text(QPoint(m_layout.margin, m_layout.mid(index) - name.height() / 2), row.name, Role::Name, kText, kLeft | kTop,
         row.line);
    paintWave(index, segmentsOf(row));
}

void DiagramPainter::paintWave(int index, const QList<Segment> &segments)
{
    const Row &row = m_diagram.rows[index];
    const int n = m_diagram.halfPeriods();
    const int top = m_layout.high(index), bottom = m_layout.low(index), mid = m_layout.mid(index);
    const int s = m_layout.slope;
    const auto isBand = [](QChar c) { return c == QLatin1Char('=') || c == QLatin1Char('x'); };
    const auto isRamp = [](QChar c) { return c == QLatin1Char('/') || c == QLatin1Char('\\'); };
    const auto levelY = [&](QChar c) {
        return c == QLatin1Char('1') || c == QLatin1Char('/') ? top : c == QLatin1Char('z') ? mid : bottom;
    };
    // Levels are drawn bold, the high-impedance middle line thin.
    QPolygon line;
    bool lineThin = false;
    const auto flush = [&]() {
        if (line.size() >= 2) {
            m_writer.select(lineThin ? m_busPen : m_signalPen);
            m_writer.polyline(line);
        }
        line.clear();
    };
    const auto extend = [&](bool thin, std::initializer_list<QPoint> points) {
        if (!line.isEmpty() && thin != lineThin) {
            const QPoint last = line.last();
            flush();
            line << last;
        }
        lineThin = thin;
        for (const QPoint &point : points)
            line << point;
    };
    if (row.kind == Row::Kind::Clock)
        extend(false, {QPoint(m_layout.x(0, n), bottom)});
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const Segment &segment = segments[i];
        const Segment *previous = i > 0 ? &segments[i - 1] : nullptr;
        const Segment *next = i + 1 < segments.size() ? &segments[i + 1] : nullptr;
        const int xs = m_layout.x(segment.from, n), xe = m_layout.x(segment.to, n);
        if (isBand(segment.kind)) {
            flush();
            QPolygon shape;
            if (previous)
                shape << QPoint(xs, mid) << QPoint(xs + s, top);
            else
                shape << QPoint(xs, bottom) << QPoint(xs, top);
            if (next)
                shape << QPoint(xe - s, top) << QPoint(xe, mid) << QPoint(xe - s, bottom);
            else
                shape << QPoint(xe, top) << QPoint(xe, bottom);
            shape << (previous ? QPoint(xs + s, bottom) : QPoint(xs, bottom));
            m_writer.select(m_busPen);
            m_writer.select(segment.kind == QLatin1Char('=') ? m_busBrush : m_unknownBrush);
            m_writer.polygon(shape);
            if (segment.value >= 0) {
                const QString &label = row.labels.value(segment.value);
                const FontStyle value = fontOf(Role::Value);
                if (value.width(label) > xe - xs - 2 * s)
                    m_report.error(m_file, row.line,
                                   QStringLiteral("the label \"%1\" of \"%2\" is %3 px wide; its value spans %4 px")
                                       .arg(label, row.name)
                                       .arg(value.width(label))
                                       .arg(xe - xs - 2 * s));
                text(QPoint((xs + xe) / 2, mid - value.height() / 2), label, Role::Value, kText, kCenter | kTop,
                     row.line);
            }
            continue;
        }
        if (isRamp(segment.kind)) {
            const int from = segment.kind == QLatin1Char('/') ? bottom : top;
            if (previous && isBand(previous->kind))
                extend(false, {QPoint(xs, mid)});
            else if (line.isEmpty())
                extend(false, {QPoint(xs, previous ? levelY(previous->kind) : from)});
            extend(false, {QPoint(xe, levelY(segment.kind))});
            continue;
        }
        const int y = levelY(segment.kind);
        const bool thin = segment.kind == QLatin1Char('z');
        if (!previous || isRamp(previous->kind))
            extend(thin, {QPoint(xs, y)});
        else if (isBand(previous->kind))
            extend(thin, {QPoint(xs, mid), QPoint(xs + s, y)});
        else
            extend(thin, {QPoint(xs + s / 2, y)});
        if (!next || isRamp(next->kind)) {
            extend(thin, {QPoint(xe, y)});
        } else if (isBand(next->kind)) {
            extend(thin, {QPoint(xe - s, y), QPoint(xe, mid)});
            flush();
        } else {
            extend(thin, {QPoint(xe - s / 2, y)});
        }
    }
    flush();
}

QPoint DiagramPainter::nodePoint(QChar node) const
{
    for (int r = 0; r < m_diagram.rows.size(); ++r) {
        const qsizetype at = m_diagram.rows[r].nodes.indexOf(node);
        if (at >= 0)
            return QPoint(m_layout.x(int(at), m_diagram.halfPeriods()), m_layout.mid(r));
    }
    return {};
}

QChar DiagramPainter::levelAt(QChar node) const
{
    for (const Row &row : m_diagram.rows) {
        const qsizetype at = row.nodes.indexOf(node);
        if (at < 0)
            continue;
        // The level the row holds just after the node, following '.' back to what it continues.
        for (qsizetype i = qMin(at, row.wave.size() - 1); i >= 0; --i) {
            const QChar c = row.wave[i];
            if (c == QLatin1Char('/'))
                return QLatin1Char('1');
            if (c == QLatin1Char('\\'))
                return QLatin1Char('0');
            if (c != QLatin1Char('.'))
                return c;
        }
    }
    return QLatin1Char('z');
}

void DiagramPainter::arrowHead(const QPoint &tip, const QPoint &from)
{
    const QLineF line(tip, from);
    if (line.length() < 1)
        return;
    const QPointF unit = (QPointF(from) - QPointF(tip)) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = QPointF(tip) + unit * 7;
    m_writer.select(m_arrowPen);
    m_writer.select(m_arrowBrush);
    m_writer.polygon(QPolygon({tip, (base + normal * 3).toPoint(), (base - normal * 3).toPoint()}));
}

void DiagramPainter::paintArrows()
{
    const FontStyle annotation = fontOf(Role::Annotation);
    for (const Arrow &arrow : m_diagram.arrows) {
        const QPoint a = nodePoint(arrow.from), b = nodePoint(arrow.to);
        if (arrow.twoHeaded) {
            const QPoint start(a.x(), b.y());
            if (a.y() != b.y()) {
                m_writer.select(m_leaderPen);
                m_writer.polyline(QPolygon({a, start}));
            }
            m_writer.select(m_arrowPen);
            m_writer.polyline(QPolygon({start, b}));
            arrowHead(start, b);
            arrowHead(b, start);
            const int span = qAbs(b.x() - a.x());
            if (annotation.width(arrow.label) + 4 <= span)
                text(QPoint((a.x() + b.x()) / 2, b.y() - 1), arrow.label, Role::Annotation, kAnnotation,
                     kCenter | kBottom, arrow.line);
            else
                text(QPoint(qMax(a.x(), b.x()) + 4, b.y() - annotation.height() / 2), arrow.label, Role::Annotation,
                     kAnnotation, kLeft | kTop, arrow.line);
        } else {
            m_writer.select(m_arrowPen);
            m_writer.polyline(QPolygon({a, b}));
            arrowHead(b, a);
            text(QPoint((a.x() + b.x()) / 2 + 3, (a.y() + b.y()) / 2 - 1), arrow.label, Role::Annotation, kAnnotation,
                 kLeft | kBottom, arrow.line);
        }
    }
    for (const Label &label : m_diagram.labels) {
        const QPoint at = nodePoint(label.at);
        // Beside a low line the text goes above the middle, beside a high line below it.
        const QChar level = levelAt(label.at);
        const int top = level == QLatin1Char('0')   ? at.y() - annotation.height() + 2
                        : level == QLatin1Char('1') ? at.y() - 1
                        : level == QLatin1Char('z') ? at.y() - annotation.height() - 1
                                                    : at.y() - annotation.height() / 2;
        text(QPoint(at.x() + 4, top), label.text, Role::Annotation, kAnnotation, kLeft | kTop, label.line);
    }
}

void DiagramPainter::paintNotes()
{
    const FontStyle note = fontOf(Role::Note);
    for (qsizetype i = 0; i < m_diagram.notes.size(); ++i)
        text(QPoint(m_layout.margin, m_layout.notesTop + int(i) * (note.height() + 1)), m_diagram.notes[i], Role::Note,
             kNote, kLeft | kTop, m_diagram.noteLines[i]);
}

Built<QByteArray> buildWmf(const QByteArray &source, const QString &fileName)
{
    Built<QByteArray> result;
    const Built<Diagram> diagram = parse(source, fileName);
    result.report = diagram.report;
    if (!diagram.ok())
        return result;
    const Built<Layout> layout = layOut(diagram.value, fileName);
    result.report.append(layout.report);
    if (!layout.ok())
        return result;
    WmfWriter writer(diagram.value.size);
    if (!writer.error().isEmpty()) {
        result.report.error(fileName, 0, writer.error());
        return result;
    }
    DiagramPainter painter(diagram.value, layout.value, writer, fileName, result.report);
    painter.paint();
    const QByteArray bytes = writer.finish();
    if (bytes.isEmpty())
        result.report.error(fileName, 0, writer.error());
    result.value = bytes;
    return result;
}

} // namespace Wave
