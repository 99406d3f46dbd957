#pragma once

#include <QString>
#include <QStringList>

// The files of the PCI lesson. Every reader throws ContentError naming the
// file when it is missing or too short to use, so the lesson is not opened
// with a hole in it.
namespace LessonFiles {

inline const QString kPins = QStringLiteral("pci\\lesson\\pins.txt");
inline const QString kTasks = QStringLiteral("pci\\lesson\\task.txt");
constexpr int kTaskNumbers = 17;
// "Задание: " + '"' + "Смоделируйте ": the task line ends the sentence.
inline const QString kTaskPrefix = QStringLiteral("Задание: \"Смоделируйте ");

// The clock's name and the ten signal names, one per grid row.
QStringList readPins();
// The wording of tasks 1 to 17 (line k for task k).
QStringList readTasks();
// "pci\lesson\answer<k>.txt".
QString answerPath(int task);
// The answer's lines as written (the comparison reads nine characters of each).
QStringList readAnswer(int task);

} // namespace LessonFiles
