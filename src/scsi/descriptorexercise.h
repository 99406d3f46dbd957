#pragma once

#include "scsi/attempttally.h"
#include "scsi/descriptortask.h"

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

    // The first rule the answer breaks; size, then layout, then values.
    enum class Fault { None, Size, Layout, Values };
    using Verdict = ::Verdict<Fault>;

    explicit DescriptorExercise(StudentRecord &record);

    // Draws a random task. Returns
    // false (task unchanged) when the file holds no record; throws
    // ContentError for a missing file or a bad record.
    bool loadTask();
    static QString emptyFileMessage();
    void setTask(const DescriptorTaskRecord &task) { m_task = task; }
    const DescriptorTaskRecord &task() const { return m_task; }

    // "ГОТОВО": counts the attempt and checks size, then layout, then values;
    // the button turns to "Выход".
    Verdict check(const DescriptorAnswer &answer);
    // "Дальше ->": back to "ГОТОВО"; the caller then loads a new task.
    void next() { m_tally.next(); }
    // The window closes (see AttemptTally::close).
    void close() { m_tally.close(); }

    const AttemptTally &tally() const { return m_tally; }
    QString readyCaption() const { return m_tally.checked() ? kExitCaption : kReadyCaption; }

    // The check alone, first failure only, without bookkeeping.
    static Verdict judge(const DescriptorAnswer &answer, const DescriptorTaskRecord &task);

private:
    AttemptTally m_tally;
    DescriptorTaskRecord m_task;
};
