#include "scsi/descriptorexercise.h"

#include "scsi/binaryentry.h"

DescriptorExercise::DescriptorExercise(StudentRecord &record)
    : m_tally(record, StudentRecord::Task2Attempts, StudentRecord::Task2Right)
{}

bool DescriptorExercise::loadTask()
{
    const std::optional<DescriptorTaskRecord> task = DescriptorTaskRecord::readRandom(kTaskFile);
    if (task)
        m_task = *task;
    return task.has_value();
}

QString DescriptorExercise::emptyFileMessage()
{
    return QStringLiteral("Файл пуст - ") + kTaskFile;
}

DescriptorExercise::Verdict DescriptorExercise::judge(const DescriptorAnswer &answer, const DescriptorTaskRecord &task)
{
    if (answer.sizeIndex != task.sizeCode)
        return {Fault::Size, QStringLiteral("Неверно выбрана размерность дескриптора !")};

    const QList<DescriptorLayout::Field> fields = DescriptorLayout::fields(task.sizeCode);
    for (int row = 0; row < fields.size(); ++row) {
        const DescriptorLayout::Field &field = fields[row];
        if (answer.names.value(row) != QString::fromLatin1(field.name) ||
            answer.numbers.value(row) != QString::number(field.byte) ||
            answer.bits.value(row) != QString::number(field.bits))
            return {Fault::Layout, QStringLiteral("Поля дескриптора проставлены неверно !")};
    }

    for (int i = 0; i < task.byteCount(); ++i) {
        if (BinaryEntry::toByte(answer.values.value(i)) != task.bytes[i])
            return {Fault::Values, QStringLiteral("Неверно заполнен дескриптор !")};
    }
    return {Fault::None, QStringLiteral("Задание выполнено верно ")};
}

DescriptorExercise::Verdict DescriptorExercise::check(const DescriptorAnswer &answer)
{
    const Verdict verdict = judge(answer, m_task);
    m_tally.count(verdict.right());
    return verdict;
}
