#pragma once

#include "usb/usbtask.h"

#include <QString>

struct StudentRecord;

// The rules of the USB packet exercise for one opening of its window: the
// task drawn from the task file, the check of the five binary fields and the
// counting in the USB student record.
class UsbExercise {
public:
    enum class Phase { Working, Checked };
    // The fields in the order they are compared.
    enum class Field { None, Pid, Address, Endpoint, DataPid, Data };

    struct Answer {
        QString pid;
        QString address;  // 7 binary digits
        QString endpoint; // 4 binary digits
        QString dataPid;
        QString data;
    };

    static QString taskFile() { return QStringLiteral("usb\\quest\\usb_les.dat"); }
    static QString emptyFileMessage() { return QStringLiteral("Файл пуст - usb\\quest\\usb_les.dat"); }

    explicit UsbExercise(StudentRecord &record);

    // The first field that differs from the task, Field::None when all match.
    static Field firstDifference(const UsbTaskRecord &task, const Answer &answer);

    // Draws a task from the task file. Returns false when the file holds no
    // whole record (the current task stays); throws ContentError when the
    // file is missing.
    bool loadTask();
    void setTask(const UsbTaskRecord &task) { m_task = task; }
    const UsbTaskRecord &task() const { return m_task; }

    // Checks the answer (phase working -> checked) and counts it; returns whether it was right.
    bool check(const Answer &answer);
    // Back to work (the caller then loads the next task).
    void next() { m_phase = Phase::Working; }
    // Counts the opening as one attempt when no check was made in it.
    void close();

    Phase phase() const { return m_phase; }
    bool checkedThisOpening() const { return m_checkedThisOpening; }
    int tasksGiven() const { return m_tasksGiven; }
    int tasksRight() const { return m_tasksRight; }

private:
    StudentRecord &m_record;
    UsbTaskRecord m_task;
    Phase m_phase = Phase::Working;
    bool m_checkedThisOpening = false;
    bool m_closed = false;
    int m_tasksGiven = 0;
    int m_tasksRight = 0;
};
