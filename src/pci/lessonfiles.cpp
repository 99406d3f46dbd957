#include "pci/lessonfiles.h"

#include "pci/lessonrules.h"
#include "platform/contenterror.h"
#include "platform/textfile.h"

namespace LessonFiles {

QStringList readPins()
{
    QStringList lines = TextFile::readLines(kPins);
    if (lines.size() < LessonRules::Rows)
        throw ContentError::badContent(kPins, QStringLiteral("строк %1, нужно %2: имя тактового сигнала и имена "
                                                             "десяти сигналов")
                                                  .arg(lines.size())
                                                  .arg(LessonRules::Rows));
    return lines.mid(0, LessonRules::Rows);
}

QStringList readTasks()
{
    const QStringList lines = TextFile::readLines(kTasks);
    if (lines.size() < kTaskNumbers)
        throw ContentError::badContent(
            kTasks, QStringLiteral("строк %1, нужно %2: по строке на задание").arg(lines.size()).arg(kTaskNumbers));
    return lines;
}

QString answerPath(int task)
{
    return QStringLiteral("pci\\lesson\\answer%1.txt").arg(task);
}

QStringList readAnswer(int task)
{
    return TextFile::readLines(answerPath(task));
}

} // namespace LessonFiles
