// Rules of the ISA trainer, without windows: the cycle catalogue and the
// parameter dialog's rules, the signal table's maps, the interaction exercise
// and the control-question bank.
#include "isa/controlquestions.h"
#include "isa/cyclecatalogue.h"
#include "isa/cycleparameters.h"
#include "isa/interactanswers.h"
#include "isa/interactexercise.h"
#include "isa/isaquestionbank.h"
#include "isa/signaltable.h"
#include "platform/random.h"

#include <QSet>
#include <QTest>

using namespace CycleCatalogue;

namespace {

InteractAnswers::Row rowFrom(const char *bits)
{
    InteractAnswers::Row row{};
    int k = 0;
    for (const char *c = bits; *c; ++c) {
        if (*c == '0' || *c == '1')
            row[k++] = *c == '1';
    }
    return row;
}

InteractAnswers::Row wrongAnswer(const InteractExercise &exercise)
{
    InteractAnswers::Row row = exercise.rightAnswer();
    row[12] = !row[12];
    return row;
}

// Answers the current task right (after `wrongFirst` wrong answers) and acknowledges each result.
void answerTask(InteractExercise &exercise, int wrongFirst)
{
    for (int i = 0; i < wrongFirst; ++i)
        exercise.acknowledge(exercise.check(wrongAnswer(exercise)));
    exercise.acknowledge(exercise.check(exercise.rightAnswer()));
}

} // namespace

class TestIsaRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Random::seed(11); }

    // Every choice the dialog can make, checked against the naming of the files and titles.
    void catalogueCoversEveryKeyOfTheDialog()
    {
        int found = 0;
        QSet<const Entry *> seen;
        for (int kind = None; kind < 4; ++kind)
            for (int resource = None; resource < 2; ++resource)
                for (int width = None; width < 2; ++width)
                    for (int direction = None; direction < 2; ++direction)
                        for (int length = None; length < 3; ++length) {
                            const Choice choice{kind, resource, width, direction, length};
                            const Entry *entry = find(choice);
                            const QString key = QStringLiteral("%1/%2/%3/%4/%5")
                                                    .arg(kind)
                                                    .arg(resource)
                                                    .arg(width)
                                                    .arg(direction)
                                                    .arg(length);
                            QVERIFY2(entry == nullptr || entry->kind == kind, qPrintable(key));
                            const bool expected = expectedToExist(choice);
                            QVERIFY2((entry != nullptr) == expected, qPrintable(key));
                            if (!entry)
                                continue;
                            ++found;
                            seen.insert(entry);
                            checkNaming(choice, *entry, key);
                        }
        QCOMPARE(seen.size(), 23);
        QCOMPARE(entryCount(), 23);
        QVERIFY(found > 23);
    }

    void impossibleKeys_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("resource");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("length");
        QTest::addRow("8-bit memory, zero wait") << 0 << 0 << 0 << 0 << 0;
        QTest::addRow("8-bit I/O, zero wait") << 0 << 1 << 0 << 1 << 0;
        QTest::addRow("16-bit I/O, zero wait") << 0 << 1 << 1 << 0 << 0;
        QTest::addRow("access without length") << 0 << 0 << 1 << 0 << None;
        QTest::addRow("access without direction") << 0 << 0 << 1 << None << 1;
        QTest::addRow("access without width") << 0 << 1 << None << 0 << 1;
        QTest::addRow("access without resource") << 0 << None << 0 << 0 << 1;
        QTest::addRow("refresh without length") << 1 << 0 << None << None << None;
        QTest::addRow("refresh, zero wait") << 1 << 0 << None << None << 0;
        QTest::addRow("DMA without length") << 2 << 1 << None << 1 << None;
        QTest::addRow("no kind") << None << 0 << 0 << 0 << 1;
    }
    void impossibleKeys()
    {
        QFETCH(int, kind);
        QFETCH(int, resource);
        QFETCH(int, width);
        QFETCH(int, direction);
        QFETCH(int, length);
        QCOMPARE(find({kind, resource, width, direction, length}), nullptr);
    }

    void catalogueEdgeCases()
    {
        const Entry *extendedRead8 = find({ResourceAccess, Memory, Bits8, Read, Extended});
        QVERIFY(extendedRead8);
        QCOMPARE(extendedRead8->titleText(), QStringLiteral("Удлиненный цикл чтения 8-разрядной памяти"));
        QCOMPARE(extendedRead8->descriptionPath(), QStringLiteral("isa\\discr\\Acc_res3.txt"));
        QCOMPARE(extendedRead8->diagramPath(), QStringLiteral("isa\\Diagr\\DP8RN.wmf"));
        // The DMA direction takes no part in the key.
        QCOMPARE(find({Dma, IoDevice, None, Read, Extended}), find({Dma, IoDevice, None, Write, Extended}));
        QCOMPARE(find({Dma, IoDevice, None, Read, Extended})->titleText(),
                 QStringLiteral("Удлиненный цикл прямого доступа к памяти"));
        const Entry *capture = find({BusCapture, IoDevice, None, None, None});
        QVERIFY(capture);
        QCOMPARE(capture->diagramPath(), QStringLiteral("isa\\Diagr\\bus_fuc.wmf"));
        QVERIFY(!capture->offersAtComparison());
        // The zero-wait titles are written with a Latin "c".
        const QString zero = find({ResourceAccess, Memory, Bits16, Write, ZeroWait})->titleText();
        QCOMPARE(zero, QStringLiteral("Цикл записи 16-разрядной памяти c 0 тактов ожидания"));
        QVERIFY(zero.contains(QStringLiteral(" c 0 ")));
    }

    void atTabChoice_data()
    {
        QTest::addColumn<int>("resource");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("diagram");
        QTest::addRow("8-bit memory") << 0 << 0 << 0 << "isa\\Discr\\8AT.dgr"
                                      << "isa\\diagr\\AT8P.wmf";
        QTest::addRow("8-bit I/O") << 1 << 0 << 1 << "isa\\Discr\\8AT.dgr"
                                   << "isa\\diagr\\AT8IO.wmf";
        QTest::addRow("16-bit memory") << 0 << 1 << 2 << "isa\\Discr\\16AT_mem.dgr"
                                       << "isa\\diagr\\AT16P.wmf";
        QTest::addRow("16-bit I/O") << 1 << 1 << 3 << "isa\\Discr\\16AT_prt.dgr"
                                    << "isa\\diagr\\AT16IO.wmf";
    }
    void atTabChoice()
    {
        QFETCH(int, resource);
        QFETCH(int, width);
        QFETCH(int, tab);
        QCOMPARE(atTabFor(resource, width), tab);
        QFETCH(QString, description);
        QCOMPARE(atTab(tab).descriptionPath(), description);
        QFETCH(QString, diagram);
        QCOMPARE(atTab(tab).diagramPath(), diagram);
    }

    void atTabNeedsResourceAndWidth()
    {
        QCOMPARE(atTabFor(None, Bits8), None);
        QCOMPARE(atTabFor(Memory, None), None);
        QCOMPARE(atTabFor(None, None), None);
    }

    void presetsAndEnabling_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("resource");
        QTest::addColumn<QString>("enabled"); // kind, resource, width, direction, length
        QTest::addRow("resource access") << 0 << None << "11111";
        QTest::addRow("refresh") << 1 << int(Memory) << "10001";
        QTest::addRow("DMA") << 2 << int(IoDevice) << "10011";
        QTest::addRow("bus capture") << 3 << int(IoDevice) << "10000";
    }
    void presetsAndEnabling()
    {
        QFETCH(int, kind);
        QFETCH(int, resource);
        QFETCH(QString, enabled);
        CycleParameters parameters;
        // Earlier choices of every group are replaced by the presets.
        parameters.choose(CycleParameters::KindGroup, ResourceAccess);
        parameters.choose(CycleParameters::ResourceGroup, IoDevice);
        parameters.choose(CycleParameters::WidthGroup, Bits16);
        parameters.choose(CycleParameters::DirectionGroup, Write);
        parameters.choose(CycleParameters::LengthGroup, Extended);
        parameters.choose(CycleParameters::KindGroup, kind);
        QCOMPARE(parameters.item(CycleParameters::KindGroup), kind);
        QCOMPARE(parameters.item(CycleParameters::ResourceGroup), resource);
        QCOMPARE(parameters.item(CycleParameters::WidthGroup), None);
        QCOMPARE(parameters.item(CycleParameters::DirectionGroup), None);
        QCOMPARE(parameters.item(CycleParameters::LengthGroup), None);
        QString actual;
        for (int group = 0; group < CycleParameters::GroupCount; ++group)
            actual += parameters.enabled(CycleParameters::Group(group)) ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(actual, enabled);
    }

    void zeroWaitIsClearedOutsideResourceAccess_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("kept");
        QTest::addRow("resource access keeps it") << 0 << 0;
        QTest::addRow("refresh clears it") << 1 << None;
        QTest::addRow("DMA clears it") << 2 << None;
    }
    void zeroWaitIsClearedOutsideResourceAccess()
    {
        QFETCH(int, kind);
        CycleParameters parameters;
        parameters.choose(CycleParameters::KindGroup, kind);
        parameters.choose(CycleParameters::LengthGroup, Normal);
        parameters.choose(CycleParameters::LengthGroup, ZeroWait);
        QFETCH(int, kept);
        QCOMPARE(parameters.item(CycleParameters::LengthGroup), kept);
    }

    void enteringTheSectionKeepsChoices()
    {
        CycleParameters parameters;
        parameters.choose(CycleParameters::KindGroup, ResourceAccess);
        parameters.choose(CycleParameters::ResourceGroup, IoDevice);
        parameters.choose(CycleParameters::WidthGroup, Bits16);
        parameters.choose(CycleParameters::DirectionGroup, Read);
        parameters.choose(CycleParameters::LengthGroup, Extended);
        const Entry *before = parameters.selectedEntry();
        parameters.enterSection();
        QVERIFY(parameters.enabled(CycleParameters::KindGroup));
        for (auto group : {CycleParameters::ResourceGroup, CycleParameters::WidthGroup, CycleParameters::DirectionGroup,
                           CycleParameters::LengthGroup})
            QVERIFY(!parameters.enabled(group));
        QCOMPARE(parameters.selectedEntry(), before);
        QCOMPARE(before->titleText(), QStringLiteral("Удлиненный цикл чтения 16-разрядного УВВ"));
        // A disabled group cannot be changed.
        parameters.choose(CycleParameters::WidthGroup, Bits8);
        QCOMPARE(parameters.item(CycleParameters::WidthGroup), int(Bits16));
    }

    void signalRowMaps_data()
    {
        QTest::addColumn<bool>("eisa");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("file");
        QTest::addRow("ISA heading") << false << 0 << "";
        QTest::addRow("ISA row 1") << false << 1 << "";
        QTest::addRow("ISA row 2") << false << 2 << "ISA\\signals\\sd15_0.isa";
        QTest::addRow("ISA row 7") << false << 7 << "ISA\\signals\\sbhe.isa";
        QTest::addRow("ISA row 8") << false << 8 << "";
        QTest::addRow("ISA row 9") << false << 9 << "ISA\\signals\\clk.isa";
        QTest::addRow("ISA row 17") << false << 17 << "ISA\\signals\\0ws.isa";
        QTest::addRow("ISA row 22") << false << 22 << "ISA\\signals\\tc.isa";
        QTest::addRow("ISA row 23") << false << 23 << "";
        QTest::addRow("EISA heading") << true << 0 << "";
        QTest::addRow("EISA row 1") << true << 1 << "ISA\\signals\\AENn.txt";
        QTest::addRow("EISA row 8") << true << 8 << "ISA\\signals\\la2_16(31).txt";
        QTest::addRow("EISA row 16") << true << 16 << "ISA\\signals\\wr.txt";
        QTest::addRow("EISA row 17") << true << 17 << "";
        QTest::addRow("negative row") << true << -1 << "";
    }
    void signalRowMaps()
    {
        QFETCH(bool, eisa);
        QFETCH(int, row);
        QFETCH(QString, file);
        QCOMPARE(SignalTable::descriptionFile(eisa, row), file);
    }

    void signalTableShapes()
    {
        QCOMPARE(SignalTable::rowCount(false), 23);
        QCOMPARE(SignalTable::rowCount(true), 17);
        int isaFiles = 0;
        for (int row = 0; row < 23; ++row)
            isaFiles += SignalTable::descriptionFile(false, row).endsWith(QLatin1String(".isa")) ? 1 : 0;
        QCOMPARE(isaFiles, 20);
        QCOMPARE(SignalTable::columnFiles(true).size(), 3);
        QCOMPARE(SignalTable::columnFiles(false).first(), QStringLiteral("ISA\\Signals\\signal0.txt"));
    }

    void columnCells()
    {
        const QStringList lines = {QStringLiteral("Сигнал"), QString(), QStringLiteral("BALE"), QStringLiteral("x"),
                                   QStringLiteral("extra")};
        QCOMPARE(SignalTable::columnCells(lines, 4), QStringList({QStringLiteral("Сигнал"), QStringLiteral(" "),
                                                                  QStringLiteral("BALE"), QStringLiteral("x")}));
        QCOMPARE(SignalTable::columnCells({QStringLiteral("h")}, 3),
                 QStringList({QStringLiteral("h"), QString(), QString()}));
    }

    // The answer rows agree with the signals the table names for each cycle.
    void answerRowsNameTheirSignals_data()
    {
        QTest::addColumn<int>("task");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("expected");
        const QString read8 = QStringLiteral("CLK,BALE,-MEMR,-SMEMR,I/O CHRDY");
        const QString write8 = QStringLiteral("CLK,BALE,-MEMW,SMEMW,I/O CHRDY");
        QTest::addRow("1.0") << 1 << 0 << read8;
        QTest::addRow("1.1") << 1 << 1 << read8;
        QTest::addRow("1.2") << 1 << 2 << write8;
        QTest::addRow("1.3") << 1 << 3 << write8;
        QTest::addRow("2.0") << 2 << 0 << "CLK,BALE,-MEMR,-SMEMR,-MEM CS16,I/O CHRDY";
        QTest::addRow("2.3") << 2 << 3 << "CLK,BALE,-MEMW,SMEMW,-MEM CS16,I/O CHRDY";
        QTest::addRow("3.0") << 3 << 0 << "CLK,BALE,-I/OR,I/O CHRDY";
        QTest::addRow("3.3") << 3 << 3 << "CLK,BALE,-I/OW,I/O CHRDY";
        QTest::addRow("3.5") << 3 << 5 << "CLK,BALE,-I/OR,-I/O CS16,I/O CHRDY";
        QTest::addRow("3.6") << 3 << 6 << "CLK,BALE,-I/OW,-I/O CS16,I/O CHRDY";
        QTest::addRow("4.0") << 4 << 0 << "CLK,AEN,-MEMR,-SMEMR,-I/OW,I/O CHRDY,DRQ,-DACK,TC";
        QTest::addRow("4.1") << 4 << 1 << "CLK,AEN,-MEMW,SMEMW,-I/OR,I/O CHRDY,DRQ,-DACK,TC";
        QTest::addRow("5.0") << 5 << 0 << "CLK,BALE,-MEMR,-SMEMR,I/O CHRDY,-REFRESH";
        QTest::addRow("5.1") << 5 << 1 << "CLK,BALE,-MEMR,-SMEMR,I/O CHRDY,-REFRESH";
    }
    void answerRowsNameTheirSignals()
    {
        QFETCH(int, task);
        QFETCH(int, variant);
        const InteractAnswers::Row row = InteractAnswers::answer(task, variant);
        QStringList names;
        for (int k = 0; k < InteractAnswers::SignalCount; ++k) {
            if (row[k])
                names << InteractAnswers::signalCaption(k);
        }
        QFETCH(QString, expected);
        QCOMPARE(names.join(QLatin1Char(',')), expected);
    }

    void tasksAndVariants()
    {
        const int counts[] = {4, 4, 8, 2, 2};
        for (int task = 1; task <= 5; ++task) {
            QCOMPARE(InteractAnswers::variantCount(task), counts[task - 1]);
            QCOMPARE(InteractAnswers::heading(task), QStringLiteral("Задание %1:").arg(task));
            // Normal and extended variants of one transfer are marked the same way.
            for (int v = 0; v + 1 < counts[task - 1]; v += 2) {
                if (task != 4)
                    QCOMPARE(InteractAnswers::answer(task, v), InteractAnswers::answer(task, v + 1));
            }
        }
        QCOMPARE(InteractAnswers::answer(4, 1), rowFrom("1010 1100 0100 0111"));
        QCOMPARE(InteractAnswers::title(4, 0), QStringLiteral("Прямой доступ- из памяти в УВВ, нормальный цикл"));
        QCOMPARE(InteractAnswers::devices(4), InteractAnswers::IoDevice | InteractAnswers::Memory);
        QCOMPARE(InteractAnswers::devices(5), int(InteractAnswers::Memory));
        QCOMPARE(InteractAnswers::checkBoxName(0), QStringLiteral("CheckBox15"));
        QCOMPARE(InteractAnswers::checkBoxName(15), QStringLiteral("CheckBox16"));
        QCOMPARE(InteractAnswers::answer(6, 0), InteractAnswers::Row{});
    }

    void markBands_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("retries");
        QTest::addColumn<int>("mark");
        QTest::addRow("5 right, no retry") << 5 << 0 << 10;
        QTest::addRow("5 right, 1 retry") << 5 << 1 << 10;
        QTest::addRow("5 right, 2 retries") << 5 << 2 << 9;
        QTest::addRow("5 right, 3 retries") << 5 << 3 << 9;
        QTest::addRow("5 right, 4 retries") << 5 << 4 << 8;
        QTest::addRow("5 right, 5 retries") << 5 << 5 << 8;
        QTest::addRow("3 right, 2 retries") << 3 << 2 << 5;
        QTest::addRow("1 right, 5 retries") << 1 << 5 << 0;
        QTest::addRow("none right, 3 retries") << 0 << 3 << 0;
        QTest::addRow("none right") << 0 << 0 << 0;
    }
    void markBands()
    {
        QFETCH(int, correct);
        QFETCH(int, retries);
        QFETCH(int, mark);
        QCOMPARE(InteractExercise::mark(correct, retries), mark);
    }

    void everyTaskRightAtFirstTry()
    {
        InteractExercise exercise;
        exercise.start();
        for (int task = 1; task <= 5; ++task) {
            QCOMPARE(exercise.taskNo(), task);
            const int errors = exercise.check(exercise.rightAnswer());
            QCOMPARE(errors, 0);
            QCOMPARE(exercise.verdict(errors), QStringLiteral("Абсолютно верно!"));
            const auto outcome = exercise.acknowledge(errors);
            if (task < 5) {
                QCOMPARE(outcome, InteractExercise::Outcome::Accepted);
                QVERIFY(exercise.controls().next && !exercise.controls().ready && !exercise.controls().boxes);
                QVERIFY(!exercise.next());
            } else {
                QCOMPARE(outcome, InteractExercise::Outcome::ShowMark);
            }
        }
        QCOMPARE(exercise.taskNo(), InteractExercise::FinishedTask);
        QCOMPARE(exercise.answers(), 5);
        QCOMPARE(exercise.correct(), 5);
        QCOMPARE(exercise.retries(), 0);
        QCOMPARE(exercise.finalMark(), 10);
        QVERIFY(!exercise.controls().exit);
        QCOMPARE(exercise.acknowledge(0), InteractExercise::Outcome::Closed);
        const InteractExercise::Controls &c = exercise.controls();
        QVERIFY(c.exit && !c.ready && !c.clear && !c.next && !c.giveUp);
    }

    void oneRetryInEveryTask()
    {
        InteractExercise exercise;
        exercise.start();
        for (int task = 1; task <= 5; ++task) {
            const int errors = exercise.check(wrongAnswer(exercise));
            QCOMPARE(errors, 1);
            QCOMPARE(exercise.verdict(errors), QStringLiteral("Попробуйте еще раз!"));
            QCOMPARE(exercise.acknowledge(errors), InteractExercise::Outcome::TryAgain);
            QVERIFY(exercise.secondTry());
            const InteractExercise::Controls &c = exercise.controls();
            QVERIFY(c.ready && c.clear && c.next && c.giveUp && !c.exit && c.boxes);
            answerTask(exercise, 0);
            if (task < 5)
                exercise.next();
        }
        QCOMPARE(exercise.answers(), 5);
        QCOMPARE(exercise.correct(), 5);
        QCOMPARE(exercise.retries(), 5);
        QCOMPARE(exercise.finalMark(), 8);
    }

    void twoWrongAnswersThenGiveUp()
    {
        InteractExercise exercise;
        exercise.start();
        exercise.acknowledge(exercise.check(wrongAnswer(exercise)));
        const int errors = exercise.check(InteractAnswers::Row{});
        QCOMPARE(exercise.verdict(errors), QStringLiteral("Смотрите правильный ответ!"));
        QCOMPARE(exercise.acknowledge(errors), InteractExercise::Outcome::OnlyGiveUp);
        InteractExercise::Controls c = exercise.controls();
        QVERIFY(c.giveUp && !c.ready && !c.clear && !c.next && !c.exit);
        QCOMPARE(exercise.answers(), 1);
        QCOMPARE(exercise.retries(), 1);
        QCOMPARE(exercise.correct(), 0);
        QCOMPARE(exercise.giveUp(), exercise.rightAnswer());
        c = exercise.controls();
        QVERIFY(c.next && !c.giveUp && !c.ready && !c.clear && !c.exit);
        // The task was counted already: "Дальше" does not count it again.
        QVERIFY(!exercise.next());
        QCOMPARE(exercise.answers(), 1);
        QCOMPARE(exercise.taskNo(), 2);
        QVERIFY(!exercise.secondTry());
    }

    void skippingCountsAsAnsweredNotCorrect()
    {
        InteractExercise exercise;
        exercise.start();
        for (int task = 1; task <= 4; ++task)
            QVERIFY(!exercise.next());
        QCOMPARE(exercise.taskNo(), 5);
        QVERIFY(exercise.next());
        QCOMPARE(exercise.taskNo(), InteractExercise::FinishedTask);
        QCOMPARE(exercise.answers(), 5);
        QCOMPARE(exercise.correct(), 0);
        QCOMPARE(exercise.finalMark(), 0);
        QVERIFY(!exercise.next());
        QCOMPARE(exercise.answers(), 5);
    }

    void retryThenSkip()
    {
        InteractExercise exercise;
        exercise.start();
        exercise.acknowledge(exercise.check(wrongAnswer(exercise)));
        exercise.next();
        QCOMPARE(exercise.answers(), 1);
        QCOMPARE(exercise.retries(), 1);
        answerTask(exercise, 1);
        QCOMPARE(exercise.correct(), 1);
        QCOMPARE(exercise.retries(), 2);
        QCOMPARE(exercise.answers(), 2);
        exercise.next();
        // Two wrong answers add one retry: at most one per task.
        exercise.acknowledge(exercise.check(wrongAnswer(exercise)));
        exercise.acknowledge(exercise.check(wrongAnswer(exercise)));
        QCOMPARE(exercise.retries(), 3);
        QCOMPARE(exercise.answers(), 3);
    }

    void questionBankRightOptions_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("right");
        QTest::addRow("1.0") << 1 << 0 << "раздельные";
        QTest::addRow("1.1") << 1 << 1 << "не имеет";
        QTest::addRow("1.2") << 1 << 2 << "имеет";
        QTest::addRow("2.0") << 2 << 0 << "16 разрядов";
        QTest::addRow("2.1") << 2 << 1 << "24 разряда";
        QTest::addRow("2.2") << 2 << 2 << "12 уровней";
        QTest::addRow("3.0") << 3 << 0 << "7 уровней";
        QTest::addRow("3.1") << 3 << 1 << "16 Мбайт";
        QTest::addRow("3.2") << 3 << 2 << "64 Кбайт";
        QTest::addRow("4.0") << 4 << 0 << "8 и 16";
        QTest::addRow("4.1") << 4 << 1 << "10 Мбайт/с";
        QTest::addRow("4.2") << 4 << 2 << "С 0 числом тактов ожидания,16-разр ресурс";
        QTest::addRow("5.0") << 5 << 0 << "Удлиненный цикл, 16-разрядный ресурс";
        QTest::addRow("5.1") << 5 << 1 << "Удлиненный цикл, 8-разрядный ресурс";
        QTest::addRow("5.2") << 5 << 2 << "Нормальный цикл,16-разрядный ресурс";
        QTest::addRow("5.3") << 5 << 3 << "Нормальный цикл,8-разрядный ресурс";
    }
    void questionBankRightOptions()
    {
        QFETCH(int, question);
        QFETCH(int, variant);
        const int button = IsaQuestionBank::rightButton(question, variant);
        QVERIFY(IsaQuestionBank::buttons(question).contains(button));
        QFETCH(QString, right);
        QCOMPARE(IsaQuestionBank::option(question, variant, button), right);
        // Every used button has an option, every other none.
        for (int b = 1; b <= IsaQuestionBank::ButtonCount; ++b)
            QCOMPARE(IsaQuestionBank::option(question, variant, b).isEmpty(),
                     !IsaQuestionBank::buttons(question).contains(b));
    }

    void questionBankShape()
    {
        QCOMPARE(IsaQuestionBank::buttons(1), QList<int>({3, 4}));
        QCOMPARE(IsaQuestionBank::buttons(2), QList<int>({1, 3, 5}));
        QCOMPARE(IsaQuestionBank::buttons(3), QList<int>({1, 2, 3, 4, 5}));
        QCOMPARE(IsaQuestionBank::buttons(5), QList<int>({1, 2, 3, 4, 5, 6}));
        QCOMPARE(IsaQuestionBank::variantCount(5), 4);
        QCOMPARE(IsaQuestionBank::text(3, 0),
                 QStringLiteral("Сколько существует уровней запроса ПДП интерфейса  ISA?"));
        QCOMPARE(IsaQuestionBank::text(4, 2),
                 QStringLiteral("Какой тип цикла определяет следующий набор сигналов: 0WS=0?"));
        QCOMPARE(IsaQuestionBank::option(6, 0, 1), QString());
    }

    void controlQuestionCounters_data()
    {
        QTest::addColumn<bool>("answerRight");
        QTest::addColumn<int>("right");
        QTest::addRow("all right") << true << 5;
        QTest::addRow("all wrong") << false << 0;
    }
    void controlQuestionCounters()
    {
        QFETCH(bool, answerRight);
        ControlQuestions run;
        run.start();
        for (int question = 1; question <= 5; ++question) {
            QCOMPARE(run.questionNo(), question);
            QVERIFY(!run.finished());
            const int right = IsaQuestionBank::rightButton(question, run.variant());
            QCOMPARE(run.answer(answerRight ? right : 0), answerRight);
            QCOMPARE(run.answered(), question);
        }
        QVERIFY(run.finished());
        QFETCH(int, right);
        QCOMPARE(run.right(), right);
        QCOMPARE(run.mark(), run.right());
        QVERIFY(!run.answer(1));
        QCOMPARE(run.answered(), 5);
    }

private:
    static bool expectedToExist(const Choice &c)
    {
        switch (c.kind) {
        case ResourceAccess:
            if (c.resource == None || c.width == None || c.direction == None || c.length == None)
                return false;
            return c.length != ZeroWait || (c.resource == Memory && c.width == Bits16);
        case Refresh:
        case Dma:
            return c.length == Normal || c.length == Extended;
        case BusCapture:
            return true;
        default:
            return false;
        }
    }

    static void checkNaming(const Choice &c, const Entry &entry, const QString &key)
    {
        const QString title = entry.titleText();
        const QString diagram = entry.diagramPath();
        const QString description = entry.descriptionPath();
        if (c.kind != ResourceAccess) {
            QVERIFY2(!entry.offersAtComparison(), qPrintable(key));
            if (c.kind == BusCapture)
                return;
            QVERIFY2(title.startsWith(c.length == Normal ? QStringLiteral("Нормальный") : QStringLiteral("Удлиненный")),
                     qPrintable(key));
            QVERIFY2(description.endsWith(c.length == Normal ? QStringLiteral("2.txt") : QStringLiteral("3.txt")),
                     qPrintable(key));
            return;
        }
        QVERIFY2(entry.offersAtComparison(), qPrintable(key));
        const QString lengthWord = c.length == ZeroWait ? QStringLiteral("Цикл ")
                                   : c.length == Normal ? QStringLiteral("Нормальный ")
                                                        : QStringLiteral("Удлиненный ");
        QVERIFY2(title.startsWith(lengthWord), qPrintable(key));
        QVERIFY2(title.contains(c.direction == Read ? QStringLiteral("чтения") : QStringLiteral("записи")),
                 qPrintable(key));
        QVERIFY2(title.contains(c.width == Bits8 ? QStringLiteral("8-разрядн") : QStringLiteral("16-разрядн")),
                 qPrintable(key));
        QVERIFY2(title.endsWith(c.resource == Memory ? QStringLiteral("памяти") : QStringLiteral("УВВ")) ||
                     title.contains(QStringLiteral("памяти c 0")),
                 qPrintable(key));
        QVERIFY2(description == QStringLiteral("isa\\discr\\Acc_res%1.txt").arg(c.length + 1), qPrintable(key));
        QString prefix = QStringLiteral("isa\\Diagr\\") +
                         (c.resource == Memory ? QStringLiteral("DP") : QStringLiteral("DIO")) +
                         (c.width == Bits8 ? QStringLiteral("8") : QStringLiteral("16")) +
                         (c.direction == Read ? QStringLiteral("R") : QStringLiteral("W"));
        // 8-bit memory has one picture for the normal and the extended cycle.
        const QString suffix = (c.resource == Memory && c.width == Bits8) ? QStringLiteral("N")
                               : c.length == ZeroWait                     ? QStringLiteral("0")
                               : c.length == Normal                       ? QStringLiteral("N")
                                                                          : QStringLiteral("U");
        QVERIFY2(diagram == prefix + suffix + QStringLiteral(".wmf"), qPrintable(key + QLatin1Char(' ') + diagram));
    }
};

QTEST_MAIN(TestIsaRules)
#include "tst_isarules.moc"
