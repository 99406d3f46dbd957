#include "usb/usbexercise.h"

#include "scsi/binaryentry.h"

UsbExercise::UsbExercise(StudentRecord &record)
    : m_tally(record, StudentRecord::Task1Attempts, StudentRecord::Task1Right)
{}

UsbExercise::Verdict UsbExercise::judge(const Answer &answer, const UsbTaskRecord &task)
{
    // The address and endpoint edits hold 7 and 4 digits of a byte.
    if (BinaryEntry::toByte(answer.pid) != task.pid)
        return {Fault::Pid, QString()};
    if (BinaryEntry::toByte(QLatin1String("0") + answer.address) != task.address)
        return {Fault::Address, QString()};
    if (BinaryEntry::toByte(QLatin1String("0000") + answer.endpoint) != task.endpoint)
        return {Fault::Endpoint, QString()};
    if (BinaryEntry::toByte(answer.dataPid) != task.dataPid)
        return {Fault::DataPid, QString()};
    if (BinaryEntry::toByte(answer.data) != task.data)
        return {Fault::Data, QString()};
    return {Fault::None, QStringLiteral("Задание выполненно верно !")};
}

bool UsbExercise::loadTask()
{
    const std::optional<UsbTaskRecord> task = UsbTaskRecord::readRandom(taskFile());
    if (task)
        m_task = *task;
    return task.has_value();
}

UsbExercise::Verdict UsbExercise::check(const Answer &answer)
{
    const Verdict verdict = judge(answer, m_task);
    m_tally.count(verdict.right());
    return verdict;
}
