#include "scsi/phaseexercise.h"

PhaseExercise::PhaseExercise(StudentRecord &record)
    : m_record(record)
{
    m_steps.reserve(kCapacity);
}

bool PhaseExercise::loadTask()
{
    std::optional<PhaseTaskRecord> task = PhaseTaskRecord::readRandom(kTaskFile);
    if (!task)
        return false;
    m_task = *task;
    return true;
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
    verdict.right = true;

    bool sequenceRight = true;
    if (steps.size() != task.phaseCount) {
        verdict.message += QStringLiteral("Решение неверно.") + kEnd + QStringLiteral("Неверное кол-во фаз.") + kEnd;
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
        verdict.right = false;

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
        verdict.right = false;
    return verdict;
}

PhaseExercise::Verdict PhaseExercise::check()
{
    m_checkedThisOpening = true;
    ++m_tasksGiven;
    const Verdict verdict = judge(m_steps, m_task);
    m_record.add(StudentRecord::Task1Attempts);
    if (verdict.right) {
        ++m_tasksRight;
        m_record.add(StudentRecord::Task1Right);
    }
    m_checkedState = true;
    return verdict;
}

void PhaseExercise::restart()
{
    m_checkedState = false;
    m_steps.clear();
}

void PhaseExercise::close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!m_checkedThisOpening)
        m_record.add(StudentRecord::Task1Attempts);
}
