#include "scsi/descriptorexercise.h"

#include "platform/random.h"
#include "scsi/binaryentry.h"

DescriptorExercise::DescriptorExercise(StudentRecord &record)
    : m_record(record)
{}

bool DescriptorExercise::loadTask()
{
    Random::seedFromClock();
    std::optional<DescriptorTaskRecord> task = DescriptorTaskRecord::readRandom(kTaskFile);
    if (!task)
        return false;
    m_task = *task;
    return true;
}

QString DescriptorExercise::emptyFileMessage()
{
    return QStringLiteral("Файл пуст - ") + kTaskFile;
}

DescriptorExercise::Verdict DescriptorExercise::verify(const DescriptorAnswer &answer, const DescriptorTaskRecord &task)
{
    if (answer.sizeIndex != task.sizeCode)
        return {Outcome::WrongSize, QStringLiteral("Неверно выбрана размерность дескриптора !")};

    const QList<DescriptorLayout::Field> fields = DescriptorLayout::fields(task.sizeCode);
    for (int row = 0; row < fields.size(); ++row) {
        const DescriptorLayout::Field &field = fields[row];
        if (answer.names.value(row) != QLatin1String(field.name) ||
            answer.numbers.value(row) != QString::number(field.byte) ||
            answer.bits.value(row) != QString::number(field.bits))
            return {Outcome::WrongLayout, QStringLiteral("Поля дескриптора проставлены неверно !")};
    }

    for (int i = 0; i < task.byteCount(); ++i) {
        if (BinaryEntry::toByte(answer.values.value(i)) != task.bytes[i])
            return {Outcome::WrongValues, QStringLiteral("Неверно заполнен дескриптор !")};
    }
    return {Outcome::Right, QStringLiteral("Задание выполнено верно ")};
}

DescriptorExercise::Verdict DescriptorExercise::check(const DescriptorAnswer &answer)
{
    ++m_tasksGiven;
    m_checkedThisOpening = true;
    m_record.add(StudentRecord::Task2Attempts);
    const Verdict verdict = verify(answer, m_task);
    if (verdict.right()) {
        m_record.add(StudentRecord::Task2Right);
        ++m_tasksRight;
    }
    return verdict;
}

void DescriptorExercise::close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!m_checkedThisOpening)
        m_record.add(StudentRecord::Task2Attempts);
}
