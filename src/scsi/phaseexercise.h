#pragma once

#include "scsi/attempttally.h"
#include "scsi/phasetask.h"

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

    // The first rule the chain breaks; the message names every part, each line ending with "\r\n".
    enum class Fault { None, Count, Sequence, Signals };
    using Verdict = ::Verdict<Fault>;

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
    // The window closes (see AttemptTally::close).
    void close() { m_tally.close(); }

    const AttemptTally &tally() const { return m_tally; }
    QString readyCaption() const { return m_tally.checked() ? kExitCaption : kReadyCaption; }
    QString resetCaption() const { return m_tally.checked() ? kNextCaption : kResetCaption; }

    const ChainParameters &parameters() const { return m_parameters; }
    void setParameters(const ChainParameters &parameters) { m_parameters = parameters; }

    // The verdict of a chain against a task, without any bookkeeping.
    static Verdict judge(const QList<PhaseStep> &steps, const PhaseTaskRecord &task);

private:
    AttemptTally m_tally;
    PhaseTaskRecord m_task;
    QList<PhaseStep> m_steps;
    ChainParameters m_parameters;
};
