#include "scsi/attempttally.h"

void AttemptTally::count(bool right)
{
    m_checked = true;
    m_checkedThisOpening = true;
    ++m_tasksGiven;
    m_record.add(m_attempts);
    if (right) {
        ++m_tasksRight;
        m_record.add(m_right);
    }
}

void AttemptTally::close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!m_checkedThisOpening)
        m_record.add(m_attempts);
}
