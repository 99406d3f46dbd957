#include "pci/controlquiz.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/contentpath.h"
#include "platform/random.h"

QString ControlQuiz::questionPath(int question)
{
    return QStringLiteral("pci\\question\\contr%1.txt").arg(question);
}

QString ControlQuiz::variantsPath(int question)
{
    return QStringLiteral("pci\\question\\var%1.txt").arg(question);
}

QByteArray ControlQuiz::readKey()
{
    const QByteArray key = ContentFile::read(keyPath(), ContentFile::kMaxRecordFile).left(QuestionCount);
    if (key.size() < QuestionCount)
        throw ContentError::badContent(keyPath(), QStringLiteral("ключ ответов: байтов %1, нужно %2 (по одному на "
                                                                 "вопрос)")
                                                      .arg(key.size())
                                                      .arg(QuestionCount));
    return key;
}

ControlQuiz::ControlQuiz(const QByteArray &key)
    : m_key(key)
{}

void ControlQuiz::draw()
{
    m_chosen.fill(0);
    for (int drawn = 0; drawn < Asked;) {
        const int question = Random::between(1, QuestionCount);
        bool taken = false;
        for (int i = 0; i < drawn; ++i)
            taken = taken || m_chosen[size_t(i)] == question;
        if (!taken)
            m_chosen[size_t(drawn++)] = question;
    }
    m_current = 0;
    m_correct = 0;
}

int ControlQuiz::question() const
{
    return m_current >= 1 && m_current <= Asked ? m_chosen[size_t(m_current - 1)] : 0;
}

bool ControlQuiz::advance()
{
    if (m_current <= Asked)
        ++m_current;
    return m_current <= Asked;
}

bool ControlQuiz::answer(int variantIndex)
{
    const int q = question();
    if (q < 1 || q > m_key.size())
        return false;
    const bool right = variantIndex >= 0 && variantIndex + 1 == quint8(m_key.at(q - 1));
    if (right)
        ++m_correct;
    return right;
}

QString ControlQuiz::finalText() const
{
    return QStringLiteral("Правильных ответов ") + QString(QChar(char16_t(u'0' + m_correct))) + QStringLiteral(" из 5");
}
