// The ISA trainer's main window: menu, tool bar, signal table, text windows,
// about box, help commands and the return to the lab selector.
#include "platform/documentviewer.h"
#include "platform/helpengine.h"
#include "platform/metafileview.h"
#include "tst_isawindows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using TestUtil::child;

namespace {

QStringList menuLines(QMenu *menu)
{
    QStringList lines;
    for (QAction *action : menu->actions())
        lines << (action->isSeparator() ? QStringLiteral("-")
                                        : action->objectName() + QLatin1Char('|') + action->text() + QLatin1Char('|') +
                                              action->shortcut().toString());
    return lines;
}

// A click on a grid row (row 0 is the heading, so grid row n is table row n - 1).
void clickRow(QTableWidget *grid, int gridRow)
{
    grid->scrollToItem(grid->item(gridRow - 1, 0));
    const QRect cell = grid->visualRect(grid->model()->index(gridRow - 1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class TestIsaMain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestUtil::WorkingFolder>();
        IsaFixture::writeAll(*m_folder);
        m_windows = std::make_unique<IsaWindows>();
        ISAForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(ISAForm));
    }

    void cleanup()
    {
        HelpEngine::closeAll();
        m_windows.reset();
        m_folder.reset();
    }

    void menuCaptionsShortcutsAndSeparators()
    {
        auto *study = child<QMenu>(ISAForm, "N1");
        QCOMPARE(study->title(), QStringLiteral("&Изучение"));
        QCOMPARE(menuLines(study),
                 QStringList({"N16|О &программе|F2", "-", "N3|&Введение|Ctrl+V", "N4|&Сигналы шины|Ctrl+S",
                              "N5|&Циклы шины|Ctrl+C", "IBMPCAT1|&Особенности циклов AT-шины|Ctrl+O",
                              "EISA1|Особенности шины &EISA|Ctrl+E", "-", "N7|В&заимодействие устройств|Ctrl+Z",
                              "N8|&Контрольные вопросы|Ctrl+Q", "-", "N10|В&ыход|"}));
        auto *help = child<QMenu>(ISAForm, "N2");
        QCOMPARE(help->title(), QStringLiteral("&Справка"));
        QCOMPARE(menuLines(help),
                 QStringList({"N11|Со&держание|F1", "N12|Ис&кать справку по|Ctrl+I",
                              "N15|Как &пользоваться справкой|Ctrl+P", "-", "N14|&О программе|Ctrl+A"}));
        QCOMPARE(child<QMenuBar>(ISAForm, "MainMenu1")->actions().size(), 2);
    }

    void toolBarButtonsInOrderWithHints()
    {
        QStringList hints;
        QList<QPushButton *> buttons = child<QWidget>(ISAForm, "Panel1")->findChildren<QPushButton *>();
        std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
        for (QPushButton *button : buttons)
            hints << button->objectName() + QLatin1Char('=') + button->toolTip();
        QCOMPARE(hints, QStringList({"SpeedButton1=Введение", "SpeedButton4=Циклы шины", "SpeedButton2=Сигналы",
                                     "SpeedButton5=Взаимодействие устройств", "SpeedButton7=Контрольные вопросы",
                                     "SpeedButton3=Справка", "SpeedButton6=Выход"}));
    }

    void toolButtonsRunTheMenuActions()
    {
        child<QPushButton>(ISAForm, "SpeedButton1")->click();
        QVERIFY(VvedenieForm->isVisible());
        QCOMPARE(VvedenieForm->windowTitle(), QStringLiteral("Введение"));
        child<QPushButton>(ISAForm, "SpeedButton2")->click();
        QVERIFY(ISAForm->StringGrid1->isVisible());
        child<QPushButton>(ISAForm, "SpeedButton4")->click();
        QVERIFY(CyclesForm->isVisible());
        QVERIFY(CyclesparamForm->isVisible());
        QVERIFY(!ISAForm->isVisible());
        CyclesparamForm->BitBtn4->click();
        QVERIFY(ISAForm->isVisible());
        child<QPushButton>(ISAForm, "SpeedButton5")->click();
        QVERIFY(InteractForm->isVisible());
        QVERIFY(!ISAForm->isVisible());
        InteractForm->hide();
        ISAForm->show();
        child<QPushButton>(ISAForm, "SpeedButton7")->click();
        QVERIFY(KontrQForm->isVisible());
        KontrQForm->hide();
        ISAForm->show();
        child<QPushButton>(ISAForm, "SpeedButton6")->click();
        QVERIFY(!ISAForm->isVisible());
        QVERIFY(m_windows->returnWindow.isVisible());
    }

    void signalTableOpensOnTheIsaList()
    {
        QVERIFY(!ISAForm->StringGrid1->isVisible());
        QVERIFY(!ISAForm->Memo1->isVisible());
        ISAForm->N4->trigger();
        for (const char *name : {"Label1", "StringGrid1", "Panel2", "Memo1"})
            QVERIFY2(child<QWidget>(ISAForm, name)->isVisible(), name);
        QCOMPARE(ISAForm->Label1->text(), QStringLiteral("Таблица сигналов шины"));
        QCOMPARE(ISAForm->gridRows(), 23);
        QCOMPARE(ISAForm->selectedRow(), 1);
        QCOMPARE(ISAForm->StringGrid1->currentColumn(), 1);
        QCOMPARE(ISAForm->StringGrid1->columnWidth(0), 100);
        QCOMPARE(ISAForm->StringGrid1->columnWidth(1), 200);
        QCOMPARE(ISAForm->StringGrid1->columnWidth(2), 357);
        QCOMPARE(ISAForm->cell(0, 0), QStringLiteral("Сигнал"));
        QCOMPARE(ISAForm->cell(2, 0), QStringLiteral("Назначение"));
        QCOMPARE(ISAForm->cell(1, 5), QStringLiteral("isa1.5"));
        QCOMPARE(ISAForm->cell(1, 3), QStringLiteral(" "));
        // The line beyond the last row is ignored.
        QCOMPARE(ISAForm->cell(2, 22), QStringLiteral("isa2.22"));
        QVERIFY(ISAForm->Memo1->toPlainText().isEmpty());
        QVERIFY(!child<QWidget>(ISAForm, "Welcome")->isVisible());
    }

    void rowClicksShowDescriptions()
    {
        ISAForm->N4->trigger();
        clickRow(ISAForm->StringGrid1, 5);
        QCOMPARE(ISAForm->selectedRow(), 5);
        QCOMPARE(ISAForm->Memo1->toPlainText(), QStringLiteral("BALE: строб адреса\nвторая строка"));
        clickRow(ISAForm->StringGrid1, 8);
        QVERIFY(ISAForm->Memo1->toPlainText().isEmpty());
        clickRow(ISAForm->StringGrid1, 22);
        QCOMPARE(ISAForm->Memo1->toPlainText(), QStringLiteral("TC: конец счёта"));
        clickRow(ISAForm->StringGrid1, 1);
        QVERIFY(ISAForm->Memo1->toPlainText().isEmpty());
    }

    void eisaSwitching()
    {
        ISAForm->N4->trigger();
        clickRow(ISAForm->StringGrid1, 5);
        QVERIFY(!ISAForm->Memo1->toPlainText().isEmpty());
        QTest::mouseClick(ISAForm->CheckBox1, Qt::LeftButton, {}, QPoint(6, ISAForm->CheckBox1->height() / 2));
        QVERIFY(ISAForm->CheckBox1->isChecked());
        QVERIFY(ISAForm->Memo1->toPlainText().isEmpty());
        QCOMPARE(ISAForm->gridRows(), 17);
        QCOMPARE(ISAForm->cell(0, 0), QStringLiteral("EISA 0"));
        QCOMPARE(ISAForm->cell(2, 16), QStringLiteral("eisa2.16"));
        clickRow(ISAForm->StringGrid1, 16);
        QCOMPARE(ISAForm->Memo1->toPlainText(), QStringLiteral("W-R: запись или чтение"));
        clickRow(ISAForm->StringGrid1, 1);
        QCOMPARE(ISAForm->Memo1->toPlainText(), QStringLiteral("AENx: разрешение адреса"));
        // Reopening the table while EISA is checked goes back to the ISA list.
        ISAForm->N4->trigger();
        QVERIFY(!ISAForm->CheckBox1->isChecked());
        QCOMPARE(ISAForm->gridRows(), 23);
        QCOMPARE(ISAForm->cell(0, 5), QStringLiteral("isa0.5"));
        ISAForm->CheckBox1->setChecked(true);
        ISAForm->CheckBox1->setChecked(false);
        QCOMPARE(ISAForm->gridRows(), 23);
    }

    void endHidesTheTableAndItKeepsItsState()
    {
        ISAForm->N4->trigger();
        ISAForm->CheckBox1->setChecked(true);
        ISAForm->BitBtn1->click();
        for (const char *name : {"Label1", "StringGrid1", "Panel2", "Memo1"})
            QVERIFY2(!child<QWidget>(ISAForm, name)->isVisible(), name);
        QVERIFY(ISAForm->CheckBox1->isChecked());
        QCOMPARE(ISAForm->gridRows(), 17);
    }

    void missingColumnFileAbandonsTheRest()
    {
        ISAForm->N4->trigger();
        ISAForm->CheckBox1->setChecked(true);
        QVERIFY(QFile::remove(m_folder->path() + QStringLiteral("/isa/signals/signal1.txt")));
        TestUtil::ModalAnswerer answerer;
        ISAForm->N4->trigger();
        QTRY_COMPARE(answerer.count(), 1);
        QCOMPARE(answerer.texts(), QStringList({"Cannot open file ISA\\Signals\\signal1.txt"}));
        QCOMPARE(ISAForm->cell(0, 1), QStringLiteral("isa0.1"));
        QCOMPARE(ISAForm->cell(2, 1), QStringLiteral("eisa2.1"));
        QVERIFY(ISAForm->isVisible());
    }

    void badDescriptionFiles_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("message");
        QTest::addRow("missing") << QByteArray("missing") << "Cannot open file ISA\\signals\\bale.isa";
        QTest::addRow("folder") << QByteArray("folder") << "Cannot open file ISA\\signals\\bale.isa";
        QTest::addRow("binary") << QByteArray("binary") << "Файл ISA\\signals\\bale.isa: это не текстовый файл";
        QTest::addRow("huge") << QByteArray("huge")
                              << "Файл ISA\\signals\\bale.isa: файл слишком велик для текстового окна (2097152 байт)";
    }
    void badDescriptionFiles()
    {
        QFETCH(QByteArray, kind);
        const QString path = m_folder->path() + QStringLiteral("/isa/signals/bale.isa");
        QFile::remove(path);
        if (kind == "folder")
            QDir().mkpath(path);
        else if (kind == "binary")
            m_folder->write(QStringLiteral("isa/signals/bale.isa"), QByteArray("MZ\x90\0\x03\0\0\0", 8));
        else if (kind == "huge")
            m_folder->write(QStringLiteral("isa/signals/bale.isa"), QByteArray(2 * 1024 * 1024, 'a'));
        ISAForm->N4->trigger();
        TestUtil::ModalAnswerer answerer;
        clickRow(ISAForm->StringGrid1, 5);
        QTRY_COMPARE(answerer.count(), 1);
        QFETCH(QString, message);
        QCOMPARE(answerer.texts().first(), message);
        QVERIFY(ISAForm->Memo1->toPlainText().isEmpty());
        // The window goes on.
        clickRow(ISAForm->StringGrid1, 22);
        QCOMPARE(ISAForm->Memo1->toPlainText(), QStringLiteral("TC: конец счёта"));
    }

    void emptyColumnFileLeavesEmptyCells()
    {
        m_folder->write(QStringLiteral("isa/signals/signal2.txt"), QByteArray());
        ISAForm->N4->trigger();
        QCOMPARE(ISAForm->cell(2, 0), QString());
        QCOMPARE(ISAForm->cell(2, 4), QString());
        QCOMPARE(ISAForm->cell(1, 4), QStringLiteral("isa1.4"));
    }

    void textWindows_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addRow("about the trainer") << "N16"
                                           << "Информация об обучающей программе \"Шина ISA\""
                                           << "О программе";
        QTest::addRow("introduction") << "N3"
                                      << "Введение"
                                      << "Введение в шину ISA\nстрока 2";
        QTest::addRow("EISA") << "EISA1"
                              << "Архитектура шины EISA"
                              << "Архитектура EISA";
    }
    void textWindows()
    {
        QFETCH(QString, action);
        VvedenieForm->Memo1->setPlainText(QStringLiteral("old text"));
        child<QAction>(ISAForm, action)->trigger();
        QVERIFY(VvedenieForm->isVisible());
        QVERIFY(ISAForm->isVisible());
        QVERIFY(!VvedenieForm->isModal());
        QFETCH(QString, caption);
        QCOMPARE(VvedenieForm->windowTitle(), caption);
        QFETCH(QString, text);
        QCOMPARE(VvedenieForm->Memo1->toPlainText(), text);
        // No close box: Escape and the window manager's close do nothing; OK closes it.
        QTest::keyClick(VvedenieForm, Qt::Key_Escape);
        VvedenieForm->close();
        QVERIFY(VvedenieForm->isVisible());
        VvedenieForm->BitBtn1->click();
        QVERIFY(!VvedenieForm->isVisible());
    }

    void aboutBox()
    {
        ISAForm->N14->trigger();
        QVERIFY(AboutForm->isVisible());
        QCOMPARE(AboutForm->windowTitle(), QStringLiteral("AboutBox"));
        QVERIFY(AboutForm->Image1->size() == QSize(465, 325));
        AboutForm->BitBtn1->click();
        QVERIFY(!AboutForm->isVisible());
        QVERIFY(ISAForm->isVisible());
    }

    void aboutBoxWithoutPicture()
    {
        QFile::remove(m_folder->path() + QStringLiteral("/isa/signals/123.wmf"));
        TestUtil::ModalAnswerer answerer;
        ISAForm->N14->trigger();
        QTRY_COMPARE(answerer.count(), 1);
        QCOMPARE(answerer.texts(), QStringList({"Cannot open file ISA\\signals\\123.wmf"}));
        QVERIFY(AboutForm->isVisible());
        AboutForm->BitBtn1->click();
        QVERIFY(ISAForm->isVisible());
    }

    void helpCommandsUseTheTrainersHelpFile()
    {
        HelpEngine::setHelpFile(QStringLiteral("glossary.hlp"));
        ISAForm->hide();
        ISAForm->show();
        QCOMPARE(HelpEngine::helpFile(), QStringLiteral("isa\\kopisa.hlp"));
        HelpEngine::setHelpFile(QStringLiteral("glossary.hlp"));
        ISAForm->N11->trigger();
        QCOMPARE(HelpEngine::helpFile(), QStringLiteral("isa\\kopisa.hlp"));
        QVERIFY(HelpEngine::viewerFor(QStringLiteral("isa\\kopisa.hlp")));
        ISAForm->N12->trigger();
        ISAForm->N15->trigger();
        QVERIFY(HelpEngine::viewerFor(QStringLiteral("isa\\kopisa.hlp"))->isVisible());
        QVERIFY(!HelpEngine::viewerFor(QStringLiteral("glossary.hlp")));
    }

    void closingShowsTheLabSelector()
    {
        ISAForm->N10->trigger();
        QVERIFY(!ISAForm->isVisible());
        QVERIFY(m_windows->returnWindow.isVisible());
        m_windows->returnWindow.hide();
        ISAForm->show();
        ISAForm->close();
        QVERIFY(m_windows->returnWindow.isVisible());
    }

    void screenshots()
    {
        ISAForm->N4->trigger();
        clickRow(ISAForm->StringGrid1, 5);
        TestUtil::saveScreenshot(ISAForm, QStringLiteral("ISAForm_table"));
        ISAForm->BitBtn1->click();
        TestUtil::saveScreenshot(ISAForm, QStringLiteral("ISAForm"));
        ISAForm->N3->trigger();
        TestUtil::saveScreenshot(VvedenieForm, QStringLiteral("VvedenieForm"));
        ISAForm->N14->trigger();
        TestUtil::saveScreenshot(AboutForm, QStringLiteral("AboutForm"));
    }

private:
    std::unique_ptr<TestUtil::WorkingFolder> m_folder;
    std::unique_ptr<IsaWindows> m_windows;
};

QTEST_MAIN(TestIsaMain)
#include "tst_isamain.moc"
