#pragma once

#include <QList>
#include <QString>
#include <array>
#include <optional>

// The timing-diagram alphabet of the PCI lesson, shared by the lesson window
// and by the content tool that checks the shipped answers: what a cell's state
// code means, which rows are buses and which single lines, and what the
// student's right-button intervals can draw on each kind of row.
//
// An answer file holds ten lines, one per signal row; character i of a line is
// the state of clock period i as one digit, or '?' for any state.
namespace SignalStates {

enum SignalState : quint8 {
    ValidValue = 0,    // a bus value holds for the whole period
    ClockPeriod = 1,   // row 0 only
    FallingEdge = 2,   // a line falls in the middle of the period
    RisingEdge = 3,    // a line rises in the middle of the period
    High = 4,          // a line stays high
    Low = 5,           // a line stays low
    HighImpedance = 6, // no one drives the bus
    ValueStarts = 7,   // a bus value starts out of high impedance
    ValueChanges = 8,  // one bus value ends and the next starts
    ValueEnds = 9,     // a bus value ends, the bus floats
    DontCare = 10,     // drawn only when the answer is revealed: nothing
};

constexpr int kPeriods = 9;     // clock periods, grid columns 1 to 9
constexpr int kSignalRows = 10; // grid rows 1 to 10
constexpr QChar kAnyState = QLatin1Char('?');

enum class RowKind { Bus, Line };

// The six states interval editing uses on a kind of row.
struct KindStates {
    quint8 initial;
    quint8 startFromInitial;
    quint8 startOtherwise;
    quint8 middle;
    quint8 endFromInitial;
    quint8 endOtherwise;
};

// Rows 1 and 2 are buses (AD, C/BE#), rows 3 to 10 single lines.
RowKind rowKind(int row);
const KindStates &statesOf(RowKind kind);

// A row's states, element i for clock period i + 1.
using Row = std::array<quint8, kPeriods>;

Row initialRow(RowKind kind);
// The effect of an interval of right clicks from period first to period last
// (1-based); an interval that is not first < last changes nothing.
void drawInterval(Row &row, RowKind kind, int first, int last);

// True for the states the editing can put in a row of this kind.
bool canDraw(RowKind kind, int state);

// The intervals, in order, that turn a cleared row of this kind into one that
// matches the pattern ('?' matches any state); nullopt when no sequence can.
struct Interval {
    int first;
    int last;
};
std::optional<QList<Interval>> intervalsFor(RowKind kind, const QString &pattern);

// What is wrong with answer line number row (1 to 10), in Russian for the
// content author; empty when the line is nine characters of states the row's
// kind can draw and the whole line can be drawn.
QString answerLineFault(int row, const QString &line);

} // namespace SignalStates
