#pragma once

#include <QVector>
#include <QtGlobal>

// The history of one digital signal as its level changes over time (in CLK
// periods). Only the most recent changes are kept, so a long run needs bounded memory.
class SignalTrace {
public:
    explicit SignalTrace(int capacity = 200000)
        : m_capacity(capacity)
    {}

    void reset(bool level, qint64 time = 0);
    // Records the level from `time` on; nothing is stored when it does not change.
    void record(qint64 time, bool level);
    bool levelAt(qint64 time) const;
    bool currentLevel() const { return m_current; }
    // Times of the changes inside [from, to), oldest first.
    QVector<qint64> changesBetween(qint64 from, qint64 to) const;
    // The earliest time the trace still knows.
    qint64 knownFrom() const { return m_knownFrom; }

private:
    struct Change {
        qint64 time;
        bool level;
    };
    int m_capacity;
    QVector<Change> m_changes;
    bool m_initial = false; // level before the first stored change
    bool m_current = false;
    qint64 m_knownFrom = 0;
};
