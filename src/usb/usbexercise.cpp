#include "usb/usbexercise.h"

#include "platform/random.h"
#include "platform/recordfile.h"
#include "scsi/binaryentry.h"
#include "scsi/studentrecord.h"

UsbExercise::UsbExercise(StudentRecord &record)
    : m_record(record)
{}

UsbExercise::Field UsbExercise::firstDifference(const UsbTaskRecord &task, const Answer &answer)
{
    if (BinaryEntry::toByte(answer.pid) != task.pid)
        return Field::Pid;
    if (BinaryEntry::toByte(QLatin1String("0") + answer.address) != task.address)
        return Field::Address;
    if (BinaryEntry::toByte(QLatin1String("0000") + answer.endpoint) != task.endpoint)
        return Field::Endpoint;
    if (BinaryEntry::toByte(answer.dataPid) != task.dataPid)
        return Field::DataPid;
    if (BinaryEntry::toByte(answer.data) != task.data)
        return Field::Data;
    return Field::None;
}

bool UsbExercise::loadTask()
{
    Random::seedFromClock();
    const RecordFile file(taskFile(), UsbTaskRecord::kSize);
    if (file.count() == 0)
        return false;
    int index = 0;
    const QByteArray record = file.readRandom(&index);
    m_task = UsbTaskRecord::parse(record, taskFile(), index + 1);
    return true;
}

bool UsbExercise::check(const Answer &answer)
{
    m_phase = Phase::Checked;
    m_checkedThisOpening = true;
    ++m_tasksGiven;
    m_record.add(StudentRecord::Task1Attempts);
    if (firstDifference(m_task, answer) != Field::None)
        return false;
    ++m_tasksRight;
    m_record.add(StudentRecord::Task1Right);
    return true;
}

void UsbExercise::close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!m_checkedThisOpening)
        m_record.add(StudentRecord::Task1Attempts);
}
