#pragma once

#include "scsi/descriptortask.h"
#include "scsi/studentrecord.h"

#include <QString>
#include <QStringList>

// What the student has entered in the descriptor window.
struct DescriptorAnswer {
    int sizeIndex = 0;                                              // chosen size, 0 … 2 (−1: none)
    QStringList names = QStringList(DescriptorLayout::kRowCount);   // rows 1 … 13: chosen field name
    QStringList numbers = QStringList(DescriptorLayout::kRowCount); // chosen byte number as text
    QStringList bits = QStringList(DescriptorLayout::kRowCount);    // bit count as text
    QStringList values = QStringList(DescriptorLayout::kByteEdits); // bytes 0 … 11 in binary
};

// State and rules of task 2 (SCSI command descriptor) for one opening of its window.
class DescriptorExercise {
public:
    static inline const QString kTaskFile = QStringLiteral("scsi\\quest\\scsi_les2.dat");
    static inline const QString kReadyCaption = QStringLiteral("ГОТОВО");
    static inline const QString kExitCaption = QStringLiteral("Выход");

    enum class Outcome { Right, WrongSize, WrongLayout, WrongValues };
    struct Verdict {
        Outcome outcome = Outcome::Right;
        QString message;
        bool right() const { return outcome == Outcome::Right; }
    };

    explicit DescriptorExercise(StudentRecord &record);

    // Seeds the generator from the clock and draws a random task. Returns
    // false (task unchanged) when the file holds no record; throws
    // ContentError for a missing file or a bad record.
    bool loadTask();
    static QString emptyFileMessage();
    void setTask(const DescriptorTaskRecord &task) { m_task = task; }
    const DescriptorTaskRecord &task() const { return m_task; }

    // "ГОТОВО": counts the attempt and checks size, then layout, then values.
    Verdict check(const DescriptorAnswer &answer);
    // The window closes: an opening without any check counts one attempt, once.
    void close();

    bool checkedThisOpening() const { return m_checkedThisOpening; }
    int tasksGiven() const { return m_tasksGiven; }
    int tasksRight() const { return m_tasksRight; }

    // The check alone, first failure only, without bookkeeping.
    static Verdict verify(const DescriptorAnswer &answer, const DescriptorTaskRecord &task);

private:
    StudentRecord &m_record;
    DescriptorTaskRecord m_task;
    bool m_checkedThisOpening = false;
    bool m_closed = false;
    int m_tasksGiven = 0;
    int m_tasksRight = 0;
};
