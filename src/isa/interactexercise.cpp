#include "isa/interactexercise.h"

#include "platform/random.h"

void InteractExercise::start()
{
    m_answers = 0;
    m_correct = 0;
    m_retries = 0;
    startTask(1);
}

void InteractExercise::startTask(int task)
{
    m_taskNo = task;
    m_variant = Random::uniform(InteractAnswers::variantCount(task));
    m_secondTry = false;
    setControls(true, true, true, true, false, true);
}

int InteractExercise::check(const InteractAnswers::Row &boxes)
{
    setControls(false, false, false, false, false, false);
    const InteractAnswers::Row right = rightAnswer();
    int errors = 0;
    for (int k = 0; k < InteractAnswers::SignalCount; ++k)
        errors += boxes[k] != right[k] ? 1 : 0;
    return errors;
}

QString InteractExercise::verdict(int errors) const
{
    if (errors == 0)
        return QStringLiteral("Абсолютно верно!");
    return m_secondTry ? QStringLiteral("Смотрите правильный ответ!") : QStringLiteral("Попробуйте еще раз!");
}

InteractExercise::Outcome InteractExercise::acknowledge(int errors)
{
    if (m_taskNo >= FinishedTask) {
        setControls(false, false, false, false, true, false);
        return Outcome::Closed;
    }
    if (errors == 0) {
        ++m_answers;
        ++m_correct;
        if (m_taskNo >= InteractAnswers::TaskCount) {
            m_taskNo = FinishedTask;
            return Outcome::ShowMark;
        }
        setControls(false, false, true, false, false, false);
        return Outcome::Accepted;
    }
    if (!m_secondTry) {
        ++m_retries;
        m_secondTry = true;
        setControls(true, true, true, true, false, true);
        return Outcome::TryAgain;
    }
    ++m_answers;
    setControls(false, false, false, true, false, true);
    return Outcome::OnlyGiveUp;
}

bool InteractExercise::next()
{
    if (m_taskNo < 1 || m_taskNo >= FinishedTask)
        return false;
    if (m_answers != m_taskNo)
        ++m_answers;
    if (m_taskNo < InteractAnswers::TaskCount) {
        startTask(m_taskNo + 1);
        return false;
    }
    m_taskNo = FinishedTask;
    setControls(false, false, false, false, false, false);
    return true;
}

InteractAnswers::Row InteractExercise::giveUp()
{
    setControls(false, false, true, false, false, false);
    return rightAnswer();
}

int InteractExercise::mark(int correct, int retries)
{
    const int penalty = retries <= 1 ? 0 : retries <= 3 ? 1 : 2;
    const int value = 2 * correct - penalty;
    return value < 0 ? 0 : value;
}

void InteractExercise::setControls(bool ready, bool clear, bool next, bool giveUp, bool exit, bool boxes)
{
    m_controls = {ready, clear, next, giveUp, exit, boxes};
}
