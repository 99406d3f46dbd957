#include "timerlab/signaltrace.h"

#include <algorithm>

void SignalTrace::reset(bool level, qint64 time)
{
    m_changes.clear();
    m_initial = level;
    m_current = level;
    m_knownFrom = time;
}

void SignalTrace::record(qint64 time, bool level)
{
    if (level == m_current)
        return;
    m_current = level;
    m_changes.append({time, level});
    if (m_changes.size() > m_capacity) {
        // Forget the older half at once, so recording stays cheap on average.
        const qsizetype drop = m_changes.size() / 2;
        m_initial = m_changes[drop - 1].level;
        m_knownFrom = m_changes[drop - 1].time;
        m_changes.remove(0, drop);
    }
}

bool SignalTrace::levelAt(qint64 time) const
{
    const auto after = std::upper_bound(m_changes.cbegin(), m_changes.cend(), time,
                                        [](qint64 t, const Change &c) { return t < c.time; });
    if (after == m_changes.cbegin())
        return m_initial;
    return (after - 1)->level;
}

QVector<qint64> SignalTrace::changesBetween(qint64 from, qint64 to) const
{
    QVector<qint64> times;
    auto it = std::lower_bound(m_changes.cbegin(), m_changes.cend(), from,
                               [](const Change &c, qint64 t) { return c.time < t; });
    for (; it != m_changes.cend() && it->time < to; ++it)
        times.append(it->time);
    return times;
}
