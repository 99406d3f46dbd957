#pragma once

#include "scsi/attempttally.h"
#include "usb/usbtask.h"

#include <QString>

// The rules of the USB packet exercise for one opening of its window: the
// task drawn from the task file, the check of the five binary fields and the
// counting in the USB student record.
class UsbExercise {
public:
    // The first field that differs from the task, in the order they are compared.
    enum class Fault { None, Pid, Address, Endpoint, DataPid, Data };
    using Verdict = ::Verdict<Fault>;

    struct Answer {
        QString pid;
        QString address;  // 7 binary digits
        QString endpoint; // 4 binary digits
        QString dataPid;
        QString data;
    };

    static QString taskFile() { return QStringLiteral("usb\\quest\\usb_les.dat"); }
    static QString emptyFileMessage() { return QStringLiteral("Файл пуст - ") + taskFile(); }

    explicit UsbExercise(StudentRecord &record);

    // The check alone, first difference only, without bookkeeping; the
    // message is the one a right answer is told.
    static Verdict judge(const Answer &answer, const UsbTaskRecord &task);

    // Draws a task from the task file. Returns false when the file holds no
    // whole record (the current task stays); throws ContentError for a
    // missing file or a bad record.
    bool loadTask();
    void setTask(const UsbTaskRecord &task) { m_task = task; }
    const UsbTaskRecord &task() const { return m_task; }

    // "ГОТОВО": checks the answer and counts it.
    Verdict check(const Answer &answer);
    // "Дальше ->": back to work; the caller then loads the next task.
    void next() { m_tally.next(); }
    // The window closes (see AttemptTally::close).
    void close() { m_tally.close(); }

    const AttemptTally &tally() const { return m_tally; }

private:
    AttemptTally m_tally;
    UsbTaskRecord m_task;
};
