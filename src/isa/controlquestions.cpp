#include "isa/controlquestions.h"

#include "isa/isaquestionbank.h"
#include "platform/random.h"

void ControlQuestions::start()
{
    m_answered = 0;
    m_right = 0;
    m_finished = false;
    draw(1);
}

bool ControlQuestions::answer(int button)
{
    if (m_finished)
        return false;
    const bool isRight = button != 0 && button == IsaQuestionBank::rightButton(m_questionNo, m_variant);
    ++m_answered;
    if (isRight)
        ++m_right;
    if (m_questionNo < IsaQuestionBank::QuestionCount)
        draw(m_questionNo + 1);
    else
        m_finished = true;
    return isRight;
}

void ControlQuestions::draw(int question)
{
    m_questionNo = question;
    m_variant = Random::uniform(IsaQuestionBank::variantCount(question));
}
