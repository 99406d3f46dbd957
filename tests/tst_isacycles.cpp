// The ISA bus-cycle section: the parameter dialog, the cycle window, the note
// and the AT comparison window, and the windows left only through their buttons.
#include "platform/metafileview.h"
#include "tst_isawindows.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

using TestUtil::child;

namespace {

QRadioButton *item(int group, int index)
{
    return child<QRadioButton>(CyclesparamForm, QStringLiteral("RadioGroup%1_%2").arg(group).arg(index));
}

// Chooses items of the dialog by clicking them, group 1 first.
void choose(std::initializer_list<std::pair<int, int>> items)
{
    for (auto [group, index] : items)
        QTest::mouseClick(item(group, index), Qt::LeftButton, {}, QPoint(6, item(group, index)->height() / 2));
}

QString checkedItems()
{
    QStringList items;
    for (int group = 1; group <= 5; ++group) {
        QString checked = QStringLiteral("-");
        for (QRadioButton *radio : CyclesparamForm->RadioGroup[group - 1]->findChildren<QRadioButton *>()) {
            if (radio->isChecked())
                checked = radio->text();
        }
        items << checked;
    }
    return items.join(QLatin1Char('|'));
}

QString enabledGroups()
{
    QString groups;
    for (QGroupBox *box : CyclesparamForm->RadioGroup)
        groups += box->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return groups;
}

} // namespace

class TestIsaCycles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestUtil::WorkingFolder>();
        IsaFixture::writeAll(*m_folder);
        m_windows = std::make_unique<IsaWindows>();
        ISAForm->show();
        ISAForm->N5->trigger();
    }

    void cleanup()
    {
        m_windows.reset();
        m_folder.reset();
    }

    void openingTheSection()
    {
        QVERIFY(!ISAForm->isVisible());
        QVERIFY(CyclesForm->isVisible());
        QVERIFY(CyclesparamForm->isVisible());
        QCOMPARE(CyclesparamForm->windowTitle(), QStringLiteral("Введите параметры цикла:"));
        QCOMPARE(CyclesForm->windowTitle(), QStringLiteral("Циклы шины"));
        QCOMPARE(enabledGroups(), QStringLiteral("10000"));
        QCOMPARE(checkedItems(), QStringLiteral("-|-|-|-|-"));
        QVERIFY(!CyclesForm->BitBtn2->isVisible());
        QStringList captions;
        for (QGroupBox *box : CyclesparamForm->RadioGroup)
            captions << box->title();
        QCOMPARE(captions, QStringList({"Цикл", "Вид ресурса", "Разрядность", "Направление", "Длина цикла"}));
    }

    void presetsOnTheDialog()
    {
        choose({{1, 1}});
        QCOMPARE(checkedItems(), QStringLiteral("Регенерация|Память|-|-|-"));
        QCOMPARE(enabledGroups(), QStringLiteral("10001"));
        choose({{5, 0}});
        QCOMPARE(checkedItems(), QStringLiteral("Регенерация|Память|-|-|-"));
        // OK without a length empties the description and stays.
        CyclesForm->Memo1->setPlainText(QStringLiteral("old"));
        CyclesparamForm->BitBtn1->click();
        QVERIFY(CyclesForm->Memo1->toPlainText().isEmpty());
        QVERIFY(CyclesparamForm->isVisible());
        QVERIFY(!WarningForm->isVisible());
        choose({{1, 2}});
        QCOMPARE(checkedItems(), QStringLiteral("ПДП|Устр. вв/выв|-|-|-"));
        QCOMPARE(enabledGroups(), QStringLiteral("10011"));
        choose({{1, 3}});
        QCOMPARE(enabledGroups(), QStringLiteral("10000"));
        choose({{1, 0}});
        QCOMPARE(enabledGroups(), QStringLiteral("11111"));
        QCOMPARE(checkedItems(), QStringLiteral("Доступ к ресурсам|-|-|-|-"));
        // Clicking a chosen item again keeps it chosen.
        choose({{2, 1}, {2, 1}});
        QCOMPARE(checkedItems(), QStringLiteral("Доступ к ресурсам|Устр. вв/выв|-|-|-"));
    }

    void okShowsTheCycleAndTheNote()
    {
        choose({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 2}});
        CyclesparamForm->BitBtn1->click();
        QVERIFY(!CyclesparamForm->isVisible());
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Удлиненный цикл чтения 8-разрядной памяти"));
        QCOMPARE(CyclesForm->Memo1->toPlainText(), QStringLiteral("Описание Acc_res3"));
        QVERIFY(!CyclesForm->Image1->metafile().isNull());
        QVERIFY(CyclesForm->BitBtn2->isVisible());
        QVERIFY(WarningForm->isVisible());
        QCOMPARE(WarningForm->Memo1->toPlainText(), QStringLiteral("Примечание к циклу"));
        WarningForm->BitBtn1->click();
        QVERIFY(!WarningForm->isVisible());

        // "Другой цикл": the dialog again with the earlier choices, as they were enabled.
        CyclesForm->BitBtn1->click();
        QVERIFY(CyclesparamForm->isVisible());
        QCOMPARE(enabledGroups(), QStringLiteral("11111"));
        choose({{1, 3}});
        CyclesparamForm->BitBtn1->click();
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Захват шины"));
        QVERIFY(!CyclesForm->BitBtn2->isVisible());
    }

    void impossibleKeyStaysSilently()
    {
        choose({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        CyclesForm->Memo1->setPlainText(QStringLiteral("old"));
        TestUtil::ModalAnswerer answerer;
        CyclesparamForm->BitBtn1->click();
        QVERIFY(CyclesparamForm->isVisible());
        QVERIFY(CyclesForm->Memo1->toPlainText().isEmpty());
        QVERIFY(CyclesForm->Label3->text().isEmpty());
        QCOMPARE(answerer.texts().size(), 0);
    }

    void reopeningFromTheMainMenuShowsTheLastCycle()
    {
        choose({{1, 2}, {4, 1}, {5, 1}});
        CyclesparamForm->BitBtn1->click();
        WarningForm->BitBtn1->click();
        CyclesForm->BitBtn1->click();
        CyclesparamForm->BitBtn4->click();
        QVERIFY(!CyclesForm->isVisible());
        QVERIFY(!CyclesparamForm->isVisible());
        QVERIFY(ISAForm->isVisible());
        ISAForm->N5->trigger();
        QCOMPARE(enabledGroups(), QStringLiteral("10000"));
        QCOMPARE(checkedItems(), QStringLiteral("ПДП|Устр. вв/выв|-|Вывод(запись)|Нормальный"));
        CyclesparamForm->BitBtn1->click();
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Нормальный цикл прямого доступа к памяти"));
    }

    void missingDescriptionKeepsTheDialogOpen()
    {
        choose({{1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}});
        CyclesparamForm->BitBtn1->click();
        WarningForm->BitBtn1->click();
        CyclesForm->BitBtn1->click();
        QFile::remove(m_folder->path() + QStringLiteral("/isa/discr/dma_cyc3.txt"));
        choose({{1, 2}, {5, 2}});
        TestUtil::ModalAnswerer answerer;
        CyclesparamForm->BitBtn1->click();
        QTRY_COMPARE(answerer.texts().size(), 1);
        QCOMPARE(answerer.texts(), QStringList({"Cannot open file isa\\discr\\dma_cyc3.txt"}));
        QVERIFY(CyclesparamForm->isVisible());
        QVERIFY(!WarningForm->isVisible());
        QVERIFY(CyclesForm->Memo1->toPlainText().isEmpty());
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Нормальный цикл записи 16-разрядного УВВ"));
        QVERIFY(CyclesForm->BitBtn2->isVisible());
    }

    void missingDiagramLeavesTitleButNotButton()
    {
        QFile::remove(m_folder->path() + QStringLiteral("/isa/diagr/Regener.wmf"));
        choose({{1, 1}, {5, 1}});
        TestUtil::ModalAnswerer answerer;
        CyclesparamForm->BitBtn1->click();
        QTRY_COMPARE(answerer.texts().size(), 1);
        QCOMPARE(answerer.texts(), QStringList({"Cannot open file isa\\Diagr\\Regener.wmf"}));
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Нормальный цикл регенерации"));
        QVERIFY(CyclesparamForm->isVisible());
    }

    void damagedDiagramIsNamed()
    {
        m_folder->write(QStringLiteral("isa/diagr/DMA.wmf"), QByteArray("\xd7\xcd\xc6\x9a garbage", 12));
        choose({{1, 2}, {5, 1}});
        TestUtil::ModalAnswerer answerer;
        CyclesparamForm->BitBtn1->click();
        QTRY_COMPARE(answerer.texts().size(), 1);
        QVERIFY2(answerer.texts().first().contains(QStringLiteral("isa\\Diagr\\DMA.wmf")),
                 qPrintable(answerer.texts().first()));
        QVERIFY(CyclesparamForm->isVisible());
        // The section goes on with a sound cycle.
        choose({{1, 3}});
        CyclesparamForm->BitBtn1->click();
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Захват шины"));
        QVERIFY(!CyclesForm->Image1->metafile().isNull());
    }

    void missingNoteAfterTheCycle()
    {
        QFile::remove(m_folder->path() + QStringLiteral("/isa/discr/Warning.txt"));
        choose({{1, 3}});
        TestUtil::ModalAnswerer answerer;
        CyclesparamForm->BitBtn1->click();
        QTRY_COMPARE(answerer.texts().size(), 1);
        QCOMPARE(answerer.texts(), QStringList({"Cannot open file isa\\discr\\Warning.txt"}));
        QVERIFY(!CyclesparamForm->isVisible());
        QVERIFY(WarningForm->isVisible());
        QCOMPARE(CyclesForm->Label3->text(), QStringLiteral("Захват шины"));
    }

    void memoToggle()
    {
        QPlainTextEdit *memo = CyclesForm->Memo1;
        QCOMPARE(memo->geometry(), QRect(480, 116, 197, 301));
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(memo->geometry(), QRect(280, 16, 397, 401));
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(memo->geometry(), QRect(480, 116, 197, 301));
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void atWindowFromTheCycle_data()
    {
        QTest::addColumn<int>("resource");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("text");
        QTest::addRow("8-bit memory") << 0 << 0 << 0 << "AT 8AT";
        QTest::addRow("8-bit I/O") << 1 << 0 << 1 << "AT 8AT";
        QTest::addRow("16-bit memory") << 0 << 1 << 2 << "AT 16AT_mem";
        QTest::addRow("16-bit I/O") << 1 << 1 << 3 << "AT 16AT_prt";
    }
    void atWindowFromTheCycle()
    {
        QFETCH(int, resource);
        QFETCH(int, width);
        choose({{1, 0}, {2, resource}, {3, width}, {4, 0}, {5, 1}});
        CyclesparamForm->BitBtn1->click();
        WarningForm->BitBtn1->click();
        CyclesForm->BitBtn2->click();
        QVERIFY(!CyclesForm->isVisible());
        QVERIFY(ATCyclesForm->isVisible());
        QFETCH(int, tab);
        QCOMPARE(ATCyclesForm->TabSet1->currentIndex(), tab);
        QFETCH(QString, text);
        QCOMPARE(ATCyclesForm->Memo1->toPlainText(), text);
        QVERIFY(ATCyclesForm->BitBtn2->isEnabled());
        ATCyclesForm->BitBtn2->click();
        QVERIFY(!ATCyclesForm->isVisible());
        QVERIFY(CyclesForm->isVisible());
        QVERIFY(CyclesForm->BitBtn2->isVisible());
    }

    void atWindowFromTheMainMenu()
    {
        CyclesparamForm->BitBtn4->click();
        ATCyclesForm->TabSet1->setCurrentIndex(3);
        ISAForm->IBMPCAT1->trigger();
        QVERIFY(!ISAForm->isVisible());
        QVERIFY(ATCyclesForm->isVisible());
        QCOMPARE(ATCyclesForm->TabSet1->currentIndex(), 0);
        QCOMPARE(ATCyclesForm->Memo1->toPlainText(), QStringLiteral("AT 8AT"));
        QVERIFY(!ATCyclesForm->BitBtn2->isEnabled());
        QStringList tabs;
        for (int i = 0; i < ATCyclesForm->TabSet1->count(); ++i)
            tabs << ATCyclesForm->TabSet1->tabText(i);
        QCOMPARE(tabs, QStringList({"Обращение к 8-разр. памяти", "Обращение к 8-разр. УВВ",
                                    "Обращение к 16-разр.памяти", "Обращение к 16-разр. УВВ"}));
        // A tab click loads its description.
        QTest::mouseClick(ATCyclesForm->TabSet1, Qt::LeftButton, {}, ATCyclesForm->TabSet1->tabRect(2).center());
        QCOMPARE(ATCyclesForm->Memo1->toPlainText(), QStringLiteral("AT 16AT_mem"));
        ATCyclesForm->BitBtn1->click();
        QVERIFY(!ATCyclesForm->isVisible());
        QVERIFY(ISAForm->isVisible());
    }

    void atWindowWithoutResourceOrWidth()
    {
        choose({{1, 1}, {5, 1}});
        CyclesparamForm->BitBtn1->click();
        WarningForm->BitBtn1->click();
        // A refresh hides the button; the handler itself copes with a missing width.
        ATCyclesForm->TabSet1->setCurrentIndex(2);
        ATCyclesForm->Memo1->setPlainText(QStringLiteral("old"));
        CyclesForm->BitBtn2Click();
        QVERIFY(ATCyclesForm->isVisible());
        QVERIFY(ATCyclesForm->Memo1->toPlainText().isEmpty());
        QCOMPARE(ATCyclesForm->TabSet1->currentIndex(), 2);
    }

    // Windows without a close box are left only through their buttons.
    void escapeAndCloseDoNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addRow("parameter dialog") << "CyclesparamForm";
        QTest::addRow("cycle window") << "CyclesForm";
        QTest::addRow("AT window") << "ATCyclesForm";
    }
    void escapeAndCloseDoNothing()
    {
        QFETCH(QString, window);
        if (window == QLatin1String("ATCyclesForm")) {
            CyclesparamForm->BitBtn4->click();
            ISAForm->IBMPCAT1->trigger();
        }
        QWidget *target = TestUtil::topLevel(window);
        QVERIFY(target && target->isVisible());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &escape);
        QVERIFY(target->isVisible());
        QVERIFY(!target->close());
        QVERIFY(target->isVisible());
    }

    void screenshots()
    {
        choose({{1, 0}, {2, 0}, {3, 1}, {4, 0}, {5, 1}});
        TestUtil::saveScreenshot(CyclesparamForm, QStringLiteral("CyclesparamForm"));
        CyclesparamForm->BitBtn1->click();
        TestUtil::saveScreenshot(WarningForm, QStringLiteral("WarningForm"));
        WarningForm->BitBtn1->click();
        TestUtil::saveScreenshot(CyclesForm, QStringLiteral("CyclesForm"));
        CyclesForm->BitBtn2->click();
        TestUtil::saveScreenshot(ATCyclesForm, QStringLiteral("ATCyclesForm"));
    }

private:
    std::unique_ptr<TestUtil::WorkingFolder> m_folder;
    std::unique_ptr<IsaWindows> m_windows;
};

QTEST_MAIN(TestIsaCycles)
#include "tst_isacycles.moc"
