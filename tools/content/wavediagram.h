#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// A timing diagram as a teacher writes it (X.wmf.wave, described in
// content/README.md): a clock with named states, signal and bus rows of
// levels per half-period, nodes on edges, arrows and notes.
namespace Wave {

constexpr int kMaxStates = 40;

struct State {
    QString name; // empty for an unnamed period
    bool wait = false;
};

struct Row {
    enum class Kind { Clock, Signal, Gap };
    Kind kind = Kind::Signal;
    QString name;
    QString wave;       // one character per half-period, padded to the diagram's length
    QStringList labels; // one per '=' of the wave
    QString nodes;      // node letters at half-period boundaries, '.' elsewhere
    int line = 0;
};

struct Arrow {
    QChar from;
    QChar to;
    bool twoHeaded = false;
    QString label;
    int line = 0;
};

struct Label {
    QChar at;
    QString text;
    int line = 0;
};

struct Diagram {
    QString title;
    int titleLine = 0;
    QSize size{469, 365};
    QList<State> states;
    QList<Row> rows;
    QList<Arrow> arrows;
    QList<Label> labels;
    QStringList notes;
    QList<int> noteLines;

    int halfPeriods() const { return int(states.size()) * 2; }
};

// The diagram of a source; every fault is reported as file:line: message.
Built<Diagram> parse(const QByteArray &source, const QString &fileName);

// Parses, lays out and writes the diagram as a placeable Windows metafile.
Built<QByteArray> buildWmf(const QByteArray &source, const QString &fileName);

} // namespace Wave
