#include "pci/signalstates.h"

#include <QHash>
#include <deque>
#include <vector>

namespace SignalStates {

namespace {

constexpr KindStates kBusStates{HighImpedance, ValueStarts, ValueChanges, ValidValue, ValueEnds, ValueChanges};
constexpr KindStates kLineStates{High, FallingEdge, Low, Low, RisingEdge, Low};

// Every row the editing can reach from a cleared row, found breadth first so
// that the first match of a pattern is drawn with the fewest intervals.
struct Reachable {
    struct Node {
        Row row;
        int parent; // -1 for the cleared row
        Interval interval;
    };
    std::vector<Node> nodes;
};

quint64 key(const Row &row)
{
    quint64 value = 0;
    for (const quint8 state : row)
        value = value << 4 | state;
    return value;
}

Reachable explore(RowKind kind)
{
    Reachable reachable;
    QHash<quint64, int> seen;
    reachable.nodes.push_back({initialRow(kind), -1, {0, 0}});
    seen.insert(key(reachable.nodes.front().row), 0);
    for (size_t at = 0; at < reachable.nodes.size(); ++at) {
        for (int first = 1; first < kPeriods; ++first) {
            for (int last = first + 1; last <= kPeriods; ++last) {
                Row next = reachable.nodes[at].row;
                drawInterval(next, kind, first, last);
                const quint64 k = key(next);
                if (seen.contains(k))
                    continue;
                seen.insert(k, int(reachable.nodes.size()));
                reachable.nodes.push_back({next, int(at), {first, last}});
            }
        }
    }
    return reachable;
}

const Reachable &reachableRows(RowKind kind)
{
    static const Reachable bus = explore(RowKind::Bus);
    static const Reachable line = explore(RowKind::Line);
    return kind == RowKind::Bus ? bus : line;
}

bool matches(const Row &row, const QString &pattern)
{
    for (int i = 0; i < kPeriods; ++i) {
        const QChar c = pattern.at(i);
        if (c != kAnyState && c != QLatin1Char(char('0' + row[size_t(i)])))
            return false;
    }
    return true;
}

QString kindStateList(RowKind kind)
{
    QStringList states;
    for (int state = 0; state <= DontCare; ++state) {
        if (canDraw(kind, state))
            states << QString::number(state);
    }
    return states.join(QStringLiteral(", "));
}

} // namespace

RowKind rowKind(int row)
{
    return row == 1 || row == 2 ? RowKind::Bus : RowKind::Line;
}

const KindStates &statesOf(RowKind kind)
{
    return kind == RowKind::Bus ? kBusStates : kLineStates;
}

Row initialRow(RowKind kind)
{
    Row row;
    row.fill(statesOf(kind).initial);
    return row;
}

void drawInterval(Row &row, RowKind kind, int first, int last)
{
    if (first < 1 || last > kPeriods || first >= last)
        return;
    const KindStates &states = statesOf(kind);
    quint8 &start = row[size_t(first - 1)];
    if (start == states.initial)
        start = states.startFromInitial;
    else if (start != states.startFromInitial)
        start = states.startOtherwise;
    quint8 &end = row[size_t(last - 1)];
    if (end == states.initial)
        end = states.endFromInitial;
    else if (end != states.endFromInitial)
        end = states.endOtherwise;
    for (int column = first + 1; column < last; ++column)
        row[size_t(column - 1)] = states.middle;
}

bool canDraw(RowKind kind, int state)
{
    const KindStates &s = statesOf(kind);
    for (const quint8 drawn :
         {s.initial, s.startFromInitial, s.startOtherwise, s.middle, s.endFromInitial, s.endOtherwise}) {
        if (drawn == state)
            return true;
    }
    return false;
}

std::optional<QList<Interval>> intervalsFor(RowKind kind, const QString &pattern)
{
    if (pattern.size() < kPeriods)
        return std::nullopt;
    const Reachable &reachable = reachableRows(kind);
    for (size_t at = 0; at < reachable.nodes.size(); ++at) {
        if (!matches(reachable.nodes[at].row, pattern))
            continue;
        QList<Interval> intervals;
        for (int node = int(at); reachable.nodes[size_t(node)].parent >= 0; node = reachable.nodes[size_t(node)].parent)
            intervals.prepend(reachable.nodes[size_t(node)].interval);
        return intervals;
    }
    return std::nullopt;
}

QString answerLineFault(int row, const QString &line)
{
    if (row < 1 || row > kSignalRows)
        return QStringLiteral("строк больше %1 (по одной на сигнал)").arg(kSignalRows);
    if (line.size() != kPeriods)
        return QStringLiteral("в строке %1 знаков, нужно %2 (по одному на такт)").arg(line.size()).arg(kPeriods);
    const RowKind kind = rowKind(row);
    const QString kindName = kind == RowKind::Bus ? QStringLiteral("шины") : QStringLiteral("линии");
    for (int i = 0; i < kPeriods; ++i) {
        const QChar c = line.at(i);
        if (c == kAnyState)
            continue;
        if (!c.isDigit() || c.unicode() > '9')
            return QStringLiteral("такт %1: знак «%2» не состояние (цифра или «?»)").arg(i + 1).arg(c);
        const int state = c.unicode() - '0';
        if (!canDraw(kind, state))
            return QStringLiteral("такт %1: состояние %2 не рисуется на строке %3 (можно: %4 или «?»)")
                .arg(i + 1)
                .arg(state)
                .arg(kindName, kindStateList(kind));
    }
    if (!intervalsFor(kind, line))
        return QStringLiteral("такой строки %1 не нарисовать интервалами редактора (линия уходит вниз спадом 2 "
                              "и возвращается фронтом 3, значение шины открывается 7 и закрывается 9; в такте 1 "
                              "не бывает конца, в такте 9 — начала)")
            .arg(kindName);
    return QString();
}

} // namespace SignalStates
