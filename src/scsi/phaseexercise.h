#pragma once

#include "scsi/phasetask.h"
#include "scsi/studentrecord.h"

#include <QList>
#include <QString>

// Drawing parameters of the phase chain, changed through the parameters dialog.
struct ChainParameters {
    int gap = 65;      // G: free space between two circles
    int diameter = 40; // D
    int spread = 10;   // A: half the width of an arrowhead
    // Point size of the signal labels; a line of labels is at least 12 pixels.
    int labelFontSize = 8;
    bool operator==(const ChainParameters &other) const = default;
};

// State and rules of task 1 (SCSI bus phases) for one opening of its window.
class PhaseExercise {
public:
    static constexpr int kCapacity = 21;
    static inline const QString kTaskFile = QStringLiteral("scsi\\quest\\scsi_les1.dat");
    static inline const QString kReadyCaption = QStringLiteral("ГОТОВО");
    static inline const QString kExitCaption = QStringLiteral("Выход");
    static inline const QString kResetCaption = QStringLiteral("Сброс");
    static inline const QString kNextCaption = QStringLiteral("Дальше ->");

    struct Verdict {
        bool right = false;
        QString message; // every line ends with "\r\n"
    };

    explicit PhaseExercise(StudentRecord &record);

    // Draws a random task from the task file. Returns false (task unchanged)
    // when the file holds no record; throws ContentError for a missing file
    // or a bad record.
    bool loadTask();
    static QString emptyFileMessage();
    void setTask(const PhaseTaskRecord &task) { m_task = task; }
    const PhaseTaskRecord &task() const { return m_task; }

    // Appends a step; ignored (false) when the chain already holds 21 steps.
    bool addStep(const PhaseStep &step);
    const QList<PhaseStep> &steps() const { return m_steps; }

    // "ГОТОВО": compares the chain with the answer, counts the attempt and
    // turns the buttons to "Выход" / "Дальше ->".
    Verdict check();
    // "Сброс" or "Дальше ->": the buttons back to "ГОТОВО" / "Сброс" and an
    // empty chain; the caller then loads a new task.
    void restart();
    // The window closes: an opening without any check counts one attempt.
    // Counted once, however often it is called.
    void close();

    bool checkedState() const { return m_checkedState; }
    QString readyCaption() const { return m_checkedState ? kExitCaption : kReadyCaption; }
    QString resetCaption() const { return m_checkedState ? kNextCaption : kResetCaption; }

    bool checkedThisOpening() const { return m_checkedThisOpening; }
    int tasksGiven() const { return m_tasksGiven; }
    int tasksRight() const { return m_tasksRight; }

    const ChainParameters &parameters() const { return m_parameters; }
    void setParameters(const ChainParameters &parameters) { m_parameters = parameters; }

    // The verdict text of a chain against a task, without any bookkeeping.
    static Verdict judge(const QList<PhaseStep> &steps, const PhaseTaskRecord &task);

private:
    StudentRecord &m_record;
    PhaseTaskRecord m_task;
    QList<PhaseStep> m_steps;
    ChainParameters m_parameters;
    bool m_checkedState = false;
    bool m_checkedThisOpening = false;
    bool m_closed = false;
    int m_tasksGiven = 0;
    int m_tasksRight = 0;
};
