#include "helpproject.h"
#include "platform/documentopener.h"
#include "platform/documentviewer.h"
#include "platform/helpengine.h"
#include "testutil.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

Q_DECLARE_METATYPE(HelpEngine::Command)

namespace {

int viewerCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *viewer = qobject_cast<DocumentViewer *>(widget);
        if (viewer && viewer->isVisible())
            ++count;
    }
    return count;
}

} // namespace

class HelpEngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void showsWhatEachCommandAsks_data();
    void showsWhatEachCommandAsks();
    void reusesOneViewerPerFile();
    void opensClosedViewerAnew();
    void keepsFilesApart_data();
    void keepsFilesApart();
    void showsMissingHelpFile();
    void showsGlossary();

private:
    QTemporaryDir m_dir;
    QString m_sample;
    QByteArray m_bytes;
    TestUtil::WorkingFolder *m_folder = nullptr;
};

void HelpEngineTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (HelpProject::compiler().isEmpty())
        return;
    m_sample = HelpProject::buildSample(m_dir.path());
    QFile file(m_sample);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_bytes = file.readAll();
}

void HelpEngineTest::init()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    m_folder = new TestUtil::WorkingFolder;
    m_folder->write(QStringLiteral("scsi/help/vved.hlp"), m_bytes);
    m_folder->write(QStringLiteral("scsi/help/scsi_prog.hlp"), m_bytes);
    m_folder->write(QStringLiteral("Glossary.hlp"), m_bytes);
    HelpEngine::setHelpFile(QStringLiteral("scsi\\help\\vved.hlp"));
}

void HelpEngineTest::cleanup()
{
    HelpEngine::closeAll();
    delete m_folder;
    m_folder = nullptr;
}

void HelpEngineTest::showsWhatEachCommandAsks_data()
{
    QTest::addColumn<HelpEngine::Command>("command");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("focus");
    QTest::addRow("contents") << HelpEngine::HELP_CONTENTS << int(DocumentViewer::ContentsTab) << "chm:/index.html"
                              << "";
    QTest::addRow("partial key") << HelpEngine::HELP_PARTIALKEY << int(DocumentViewer::IndexTab) << "chm:/index.html"
                                 << "IndexSearch";
    QTest::addRow("help on help") << HelpEngine::HELP_HELPONHELP << int(DocumentViewer::ContentsTab)
                                  << DocumentViewer::helpOnHelpUrl().toString() << "";
}

void HelpEngineTest::showsWhatEachCommandAsks()
{
    QFETCH(HelpEngine::Command, command);
    QFETCH(int, tab);
    QFETCH(QString, url);
    QFETCH(QString, focus);
    QCOMPARE(HelpEngine::viewerFor(HelpEngine::helpFile()), nullptr);
    HelpEngine::command(command);
    DocumentViewer *viewer = HelpEngine::viewerFor(QStringLiteral("scsi\\help\\vved.hlp"));
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Тестовый документ"));
    QCOMPARE(int(viewer->currentTab()), tab);
    QCOMPARE(viewer->currentUrl().toString(), url);
    if (!focus.isEmpty()) {
        auto *search = TestUtil::child<QLineEdit>(viewer, focus);
        QCOMPARE(viewer->focusWidget(), search);
        QCOMPARE(search->text(), QString());
        // Every keyword is listed, ready for typing.
        QCOMPARE(TestUtil::child<QListWidget>(viewer, QStringLiteral("IndexList"))->count(), 5);
    }
    TestUtil::saveScreenshot(viewer, QStringLiteral("helpengine_") +
                                         QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
}

void HelpEngineTest::reusesOneViewerPerFile()
{
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    QPointer<DocumentViewer> viewer = HelpEngine::viewerFor(HelpEngine::helpFile());
    QVERIFY(viewer);
    viewer->showPage(QStringLiteral("sub/page2.html"));

    HelpEngine::command(HelpEngine::HELP_PARTIALKEY);
    QCOMPARE(HelpEngine::viewerFor(HelpEngine::helpFile()), viewer.data());
    QCOMPARE(viewer->currentTab(), DocumentViewer::IndexTab);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));
    auto *search = TestUtil::child<QLineEdit>(viewer, QStringLiteral("IndexSearch"));
    search->setText(QStringLiteral("сиг"));

    // The search starts again from an empty keyword.
    HelpEngine::command(HelpEngine::HELP_PARTIALKEY);
    QCOMPARE(search->text(), QString());

    HelpEngine::command(HelpEngine::HELP_HELPONHELP);
    QCOMPARE(viewer->currentUrl(), DocumentViewer::helpOnHelpUrl());

    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    QCOMPARE(HelpEngine::viewerFor(HelpEngine::helpFile()), viewer.data());
    QCOMPARE(viewer->currentTab(), DocumentViewer::ContentsTab);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    QCOMPARE(viewerCount(), 1);
}

void HelpEngineTest::opensClosedViewerAnew()
{
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    QPointer<DocumentViewer> first = HelpEngine::viewerFor(HelpEngine::helpFile());
    QVERIFY(first);
    first->close();
    // Closed but not yet deleted: the next command must not reuse it.
    QCOMPARE(HelpEngine::viewerFor(HelpEngine::helpFile()), nullptr);
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    DocumentViewer *second = HelpEngine::viewerFor(HelpEngine::helpFile());
    QVERIFY(second);
    QVERIFY(second != first.data());
    QVERIFY(second->isVisible());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(viewerCount(), 1);
}

void HelpEngineTest::keepsFilesApart_data()
{
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("same");
    QTest::addRow("same file, other letter case") << "SCSI\\Help\\VVED.HLP" << true;
    QTest::addRow("same file, forward slashes") << "scsi/help/vved.hlp" << true;
    QTest::addRow("other file in the folder") << "scsi\\help\\scsi_prog.hlp" << false;
    QTest::addRow("bare name") << "glossary.hlp" << false;
}

void HelpEngineTest::keepsFilesApart()
{
    QFETCH(QString, other);
    QFETCH(bool, same);
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    DocumentViewer *first = HelpEngine::viewerFor(HelpEngine::helpFile());
    HelpEngine::setHelpFile(other);
    QCOMPARE(HelpEngine::helpFile(), other);
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    DocumentViewer *second = HelpEngine::viewerFor(other);
    QVERIFY(second);
    QCOMPARE(second == first, same);
    QCOMPARE(viewerCount(), same ? 1 : 2);
    QVERIFY(second->isDocumentOpen());
}

void HelpEngineTest::showsMissingHelpFile()
{
    HelpEngine::setHelpFile(QStringLiteral("isa\\kopisa.hlp"));
    HelpEngine::command(HelpEngine::HELP_CONTENTS);
    DocumentViewer *viewer = HelpEngine::viewerFor(QStringLiteral("isa\\kopisa.hlp"));
    QVERIFY(viewer);
    const QString text = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"))->toPlainText();
    const QString expected = m_folder->path() + QStringLiteral("/isa/kopisa.hlp");
    QVERIFY2(text.contains(expected), qPrintable(text));
    // The other commands still answer for the missing file.
    HelpEngine::command(HelpEngine::HELP_PARTIALKEY);
    QCOMPARE(HelpEngine::viewerFor(QStringLiteral("isa\\kopisa.hlp")), viewer);
    HelpEngine::command(HelpEngine::HELP_HELPONHELP);
    QCOMPARE(viewer->currentUrl(), DocumentViewer::helpOnHelpUrl());
}

void HelpEngineTest::showsGlossary()
{
    HelpEngine::setHelpFile(QString());
    DocumentOpener::showGlossary();
    QCOMPARE(HelpEngine::helpFile(), QStringLiteral("glossary.hlp"));
    DocumentViewer *viewer = HelpEngine::viewerFor(QStringLiteral("glossary.hlp"));
    QVERIFY(viewer);
    QVERIFY(viewer->isDocumentOpen());
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    QCOMPARE(viewer->currentTab(), DocumentViewer::ContentsTab);
    DocumentOpener::showGlossary();
    QCOMPARE(viewerCount(), 1);
}

QTEST_MAIN(HelpEngineTest)
#include "tst_helpengine.moc"
