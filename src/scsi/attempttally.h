#pragma once

#include "scsi/studentrecord.h"

#include <QString>

// The result of checking an answer: the first rule it breaks (Fault::None
// when it is right) and the text the window shows for it.
template <typename Fault> struct Verdict {
    Fault fault = Fault::None;
    QString message;
    bool right() const { return fault == Fault::None; }
};

// What one opening of an exercise window counts. Each check counts one task
// given (and one right) for the window and one attempt (and one right answer)
// in the student record; the checked task waits for the next one. An opening
// closed without any check counts one attempt, once however often it closes.
class AttemptTally {
public:
    AttemptTally(StudentRecord &record, StudentRecord::Counter attempts, StudentRecord::Counter right)
        : m_record(record)
        , m_attempts(attempts)
        , m_right(right)
    {}

    // The current task has been checked.
    void count(bool right);
    // A new task: it is not checked yet.
    void next() { m_checked = false; }
    // The window closes.
    void close();

    // The current task has been checked: the window offers the next task or its exit.
    bool checked() const { return m_checked; }
    bool checkedThisOpening() const { return m_checkedThisOpening; }
    int tasksGiven() const { return m_tasksGiven; }
    int tasksRight() const { return m_tasksRight; }

private:
    StudentRecord &m_record;
    StudentRecord::Counter m_attempts;
    StudentRecord::Counter m_right;
    bool m_checked = false;
    bool m_checkedThisOpening = false;
    bool m_closed = false;
    int m_tasksGiven = 0;
    int m_tasksRight = 0;
};
