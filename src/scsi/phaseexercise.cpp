#include "scsi/phaseexercise.h"

PhaseExercise::PhaseExercise(StudentRecord &record)
    : m_tally(record, StudentRecord::Task1Attempts, StudentRecord::Task1Right)
{
    m_steps.reserve(kCapacity);
}

bool PhaseExercise::loadTask()
{
    const std::optional<PhaseTaskRecord> task = PhaseTaskRecord::readRandom(kTaskFile);
    if (task)
        m_task = *task;
    return task.has_value();
}

QString PhaseExercise::emptyFileMessage()
{
    return QStringLiteral("Файл пуст - ") + kTaskFile;
}

bool PhaseExercise::addStep(const PhaseStep &step)
{
    if (m_steps.size() >= kCapacity)
        return false;
    m_steps.append(step);
    return true;
}

PhaseExercise::Verdict PhaseExercise::judge(const QList<PhaseStep> &steps, const PhaseTaskRecord &task)
{
    static const QString kEnd = QStringLiteral("\r\n");
    Verdict verdict;
    const auto fault = [&verdict](Fault found) {
        if (verdict.right())
            verdict.fault = found;
    };

    bool sequenceRight = true;
    if (steps.size() != task.phaseCount) {
        verdict.message += QStringLiteral("Решение неверно.") + kEnd + QStringLiteral("Неверное кол-во фаз.") + kEnd;
        fault(Fault::Count);
        sequenceRight = false;
    } else {
        for (int i = 0; i < steps.size(); ++i) {
            if (steps[i].phase != task.entries[i].phase)
                sequenceRight = false;
        }
    }
    verdict.message += (sequenceRight ? QStringLiteral("Последовательность фаз верная.")
                                      : QStringLiteral("Последовательность фаз неверная.")) +
                       kEnd;
    if (!sequenceRight)
        fault(Fault::Sequence);

    // As many positions as the student has steps (at most 21, the stored entries).
    bool signalsRight = true;
    for (int i = 0; i < steps.size() && i < PhaseTaskRecord::kEntryCount; ++i) {
        if (steps[i].mask != task.entries[i].mask)
            signalsRight = false;
    }
    verdict.message += (signalsRight ? QStringLiteral("Сигналы проставленны верно.")
                                     : QStringLiteral("Сигналы проставленны неверно.")) +
                       kEnd;
    if (!signalsRight)
        fault(Fault::Signals);
    return verdict;
}

PhaseExercise::Verdict PhaseExercise::check()
{
    const Verdict verdict = judge(m_steps, m_task);
    m_tally.count(verdict.right());
    return verdict;
}

void PhaseExercise::restart()
{
    m_tally.next();
    m_steps.clear();
}
