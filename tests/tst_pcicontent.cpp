// The PCI trainer's shipped content, read from the built package folder: every
// file the trainer opens is there and usable, and every lesson task can be
// drawn with the lesson's editing and is then judged right.

#include "pci/controlquiz.h"
#include "pci/lessonfiles.h"
#include "pci/pcitables.h"
#include "pci/signalstates.h"
#include "pci/tdevices.h"
#include "pci/tlesson.h"
#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/metafile.h"
#include "platform/random.h"
#include "platform/textfile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace SignalStates;

namespace {

QStringList expectedFiles()
{
    QStringList files;
    for (const char *name : {"pci.txt", "architec.txt", "signals.txt", "commands.txt", "operatio.txt", "lesson.txt",
                             "control.txt", "signals0.txt", "signals1.txt", "signals2.txt", "command0.txt",
                             "command1.txt", "signals.fil", "commands.fil", "pci.hlp", "bus.ctl"})
        files << QStringLiteral("pci\\") + QLatin1String(name);
    for (int tab = 0; tab < 4; ++tab)
        files << TDevices::textPath(tab) << TDevices::picturePath(tab);
    files << QStringLiteral("pci\\pci_info\\pci.wmf") << LessonFiles::kPins << LessonFiles::kTasks;
    for (int k = 1; k <= LessonFiles::kTaskNumbers; ++k)
        files << LessonFiles::answerPath(k);
    for (int q = 1; q <= ControlQuiz::QuestionCount; ++q)
        files << ControlQuiz::questionPath(q) << ControlQuiz::variantsPath(q);
    return files;
}

QStringList missing(const QStringList &files)
{
    QStringList absent;
    for (const QString &file : files) {
        if (!ContentPath::exists(file))
            absent << file;
    }
    return absent;
}

// Whatever a check finds wrong, named by file; the test fails with the whole list.
struct Faults {
    QStringList list;
    void add(const QString &file, const QString &what) { list << file + QStringLiteral(": ") + what; }
    template <typename F> void guard(const QString &file, F &&f)
    {
        try {
            f();
        } catch (const ContentError &error) {
            list << error.message() + QStringLiteral(" (") + file + QLatin1Char(')');
        }
    }
};

} // namespace

class PciContentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyFileIsShipped();
    void textsAreNotEmpty();
    void tablesAndDetails();
    void pictures();
    void lessonFiles();
    void keyAndQuestions();
    void everyTaskIsSolvedAndJudgedRight();

private:
    QString m_previous;
};

void PciContentTest::initTestCase()
{
    const QString package = TestUtil::packageFolder();
    QVERIFY2(!package.isEmpty() && QDir(package).exists(), "SHINO_PACKAGE_DIR names no folder");
    m_previous = QDir::currentPath();
    QDir::setCurrent(package);
}

void PciContentTest::everyFileIsShipped()
{
    const QStringList absent = missing(expectedFiles());
    QVERIFY2(absent.isEmpty(),
             qPrintable(QStringLiteral("missing from the package:\n  ") + absent.join(QStringLiteral("\n  "))));
}

void PciContentTest::textsAreNotEmpty()
{
    Faults faults;
    for (const char *name :
         {"pci.txt", "architec.txt", "signals.txt", "commands.txt", "operatio.txt", "lesson.txt", "control.txt"}) {
        const QString file = QStringLiteral("pci\\") + QLatin1String(name);
        faults.guard(file, [&] {
            if (TextFile::readText(file).trimmed().size() < 200)
                faults.add(file, QStringLiteral("fewer than 200 characters"));
        });
    }
    QVERIFY2(faults.list.isEmpty(), qPrintable(faults.list.join(QLatin1Char('\n'))));
}

void PciContentTest::tablesAndDetails()
{
    Faults faults;
    for (const PciTables::Table *table : {&PciTables::signalTable(), &PciTables::commandTable()}) {
        for (const QString &column : table->columnFiles) {
            faults.guard(column, [&] {
                const QStringList lines = TextFile::readLines(column);
                if (lines.size() < table->rows)
                    faults.add(column,
                               QStringLiteral("%1 lines, the grid has %2 rows").arg(lines.size()).arg(table->rows));
                for (int row = 0; row < qMin(int(lines.size()), table->rows); ++row) {
                    if (column == table->columnFiles.first() && lines.at(row).trimmed().isEmpty())
                        faults.add(column, QStringLiteral("row %1 has no name").arg(row));
                }
            });
        }
        faults.guard(table->detailList, [&] {
            const QStringList details = PciTables::readDetailList(table->detailList);
            if (details.size() > table->rows)
                faults.add(table->detailList, QStringLiteral("more lines than grid rows"));
            int named = 0;
            for (const QString &name : details) {
                if (name.isEmpty())
                    continue;
                ++named;
                faults.guard(PciTables::detailPath(name), [&] {
                    if (TextFile::readText(PciTables::detailPath(name)).trimmed().isEmpty())
                        faults.add(PciTables::detailPath(name), QStringLiteral("empty"));
                });
            }
            if (named < table->rows / 2)
                faults.add(table->detailList, QStringLiteral("only %1 rows have a detail text").arg(named));
        });
    }
    QVERIFY2(faults.list.isEmpty(), qPrintable(faults.list.join(QLatin1Char('\n'))));
}

void PciContentTest::pictures()
{
    Faults faults;
    QStringList pictures{QStringLiteral("pci\\pci_info\\pci.wmf")};
    for (int tab = 0; tab < 4; ++tab)
        pictures << TDevices::picturePath(tab);
    for (const QString &picture : pictures)
        faults.guard(picture, [&] { Metafile::load(picture); });
    QVERIFY2(faults.list.isEmpty(), qPrintable(faults.list.join(QLatin1Char('\n'))));
}

void PciContentTest::lessonFiles()
{
    Faults faults;
    faults.guard(LessonFiles::kPins, [&] { LessonFiles::readPins(); });
    faults.guard(LessonFiles::kTasks, [&] {
        const QStringList tasks = LessonFiles::readTasks();
        for (int k = 1; k <= LessonFiles::kTaskNumbers; ++k) {
            if (tasks.at(k - 1).trimmed().size() < 20)
                faults.add(LessonFiles::kTasks, QStringLiteral("task %1 has no wording").arg(k));
        }
    });
    for (int k = 1; k <= LessonFiles::kTaskNumbers; ++k) {
        const QString file = LessonFiles::answerPath(k);
        faults.guard(file, [&] {
            const QStringList lines = LessonFiles::readAnswer(k);
            if (lines.size() != kSignalRows)
                faults.add(file, QStringLiteral("%1 lines, not %2").arg(lines.size()).arg(kSignalRows));
            for (int row = 1; row <= qMin(int(lines.size()), kSignalRows); ++row) {
                const QString fault = answerLineFault(row, lines.at(row - 1));
                if (!fault.isEmpty())
                    faults.add(file, QStringLiteral("line %1: %2").arg(row).arg(fault));
            }
        });
    }
    QVERIFY2(faults.list.isEmpty(), qPrintable(faults.list.join(QLatin1Char('\n'))));
}

void PciContentTest::keyAndQuestions()
{
    Faults faults;
    faults.guard(ControlQuiz::keyPath(), [&] {
        const QByteArray key = ControlQuiz::readKey();
        for (int q = 1; q <= ControlQuiz::QuestionCount; ++q) {
            faults.guard(ControlQuiz::variantsPath(q), [&] {
                const QStringList variants = TextFile::readLines(ControlQuiz::variantsPath(q));
                const int right = quint8(key.at(q - 1));
                if (variants.size() < 2)
                    faults.add(ControlQuiz::variantsPath(q), QStringLiteral("fewer than two variants"));
                if (right < 1 || right > variants.size())
                    faults.add(
                        ControlQuiz::keyPath(),
                        QStringLiteral("question %1: key %2 but %3 variants").arg(q).arg(right).arg(variants.size()));
                for (const QString &variant : variants) {
                    if (variant.trimmed().isEmpty())
                        faults.add(ControlQuiz::variantsPath(q), QStringLiteral("an empty variant"));
                }
            });
            faults.guard(ControlQuiz::questionPath(q), [&] {
                if (TextFile::readText(ControlQuiz::questionPath(q)).trimmed().size() < 10)
                    faults.add(ControlQuiz::questionPath(q), QStringLiteral("no question text"));
            });
        }
    });
    QVERIFY2(faults.list.isEmpty(), qPrintable(faults.list.join(QLatin1Char('\n'))));
}

// Lessons are opened with changing seeds until every task has been asked; each
// task's answer is drawn with right clicks through the window and "Готово"
// must report it right.
void PciContentTest::everyTaskIsSolvedAndJudgedRight()
{
    const QStringList absent = missing({LessonFiles::kPins, LessonFiles::kTasks});
    QVERIFY2(absent.isEmpty(), qPrintable(QStringLiteral("missing: ") + absent.join(QStringLiteral(", "))));
    QSet<int> solved;
    QStringList faults;
    TestUtil::ModalAnswerer answerer;
    for (unsigned seed = 1; seed < 400 && solved.size() < LessonFiles::kTaskNumbers; ++seed) {
        Random::seed(seed);
        TLesson lesson;
        try {
            lesson.FormShow();
        } catch (const ContentError &error) {
            QFAIL(qPrintable(error.message()));
        }
        lesson.show();
        while (lesson.isVisible()) {
            const int task = lesson.rules().currentTask();
            const QStringList answer = LessonFiles::readAnswer(task);
            for (int row = 1; row <= kSignalRows; ++row) {
                const auto intervals = intervalsFor(rowKind(row), answer.value(row - 1));
                if (!intervals) {
                    faults << QStringLiteral("task %1, row %2: cannot be drawn").arg(task).arg(row);
                    continue;
                }
                lesson.StringGrid1SelectCell(row);
                for (const Interval &interval : *intervals) {
                    lesson.StringGrid1MouseDown(interval.first);
                    lesson.StringGrid1MouseDown(interval.last);
                }
            }
            answerer.clear();
            TestUtil::child<QPushButton>(&lesson, QStringLiteral("ReadyBt"))->click();
            if (answerer.texts().value(0) != QStringLiteral("Ответ верный")) {
                faults << QStringLiteral("task %1: %2").arg(task).arg(answerer.texts().value(0));
                lesson.reject();
                break;
            }
            solved.insert(task);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(solved.size(), LessonFiles::kTaskNumbers);
}

QTEST_MAIN(PciContentTest)
#include "tst_pcicontent.moc"
