#include "helpproject.h"
#include "platform/contentpath.h"
#include "platform/documentopener.h"
#include "platform/documentviewer.h"
#include "platform/folderwindow.h"
#include "platform/textwindow.h"
#include "testutil.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

namespace {

template <typename T> QList<T *> windows()
{
    QList<T *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

QStringList column(QTreeWidget *list, int index)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(index));
    return texts;
}

void activate(QTreeWidget *list, const QString &name)
{
    const auto items = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(name));
    list->setCurrentItem(items.first());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
}

} // namespace

class DocumentOpenerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void buildsDocumentPaths_data();
    void buildsDocumentPaths();
    void opensEachDocumentInItsOwnViewer();
    void namesMissingDocument();
    void showsFolderFiles();
    void opensFilesFromFolderWindow();
    void entersSubfolders();
    void namesMissingFolder();
    void reusesFolderWindow();

private:
    QTemporaryDir m_dir;
    QString m_program;
    QByteArray m_sample;
};

void DocumentOpenerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_program = m_dir.path() + QStringLiteral("/program/");
    QDir().mkpath(m_program);
    QVERIFY2(!HelpProject::compiler().isEmpty(),
             "chmcmd is not installed: the tests build their help documents with it (tools/bootstrap.sh installs "
             "fp-utils)");
    QFile sample(HelpProject::buildSample(m_dir.path() + QStringLiteral("/project")));
    QVERIFY2(sample.open(QIODevice::ReadOnly), "chmcmd did not build the sample document");
    m_sample = sample.readAll();
    HelpProject::writeFile(m_program, QStringLiteral("Book/Annot.chm"), m_sample);
    HelpProject::writeFile(m_program, QStringLiteral("vv55a/lab.txt"),
                           HelpProject::cp1251(QStringLiteral("Лабораторная работа\r\nПараллельный адаптер\r\n")));
    HelpProject::writeFile(m_program, QStringLiteral("vv55a/vv55.chm"), m_sample);
    HelpProject::writeFile(m_program, QStringLiteral("vv55a/Big.bin"), QByteArray(3 * 1024 + 512, 'x'));
    HelpProject::writeFile(m_program, QStringLiteral("vv55a/src/port.txt"), "out 0x378\r\n");
}

void DocumentOpenerTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<DocumentViewer *>(widget) || qobject_cast<FolderWindow *>(widget) ||
            qobject_cast<TextWindow *>(widget))
            delete widget;
    }
}

void DocumentOpenerTest::buildsDocumentPaths_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addRow("program folder") << "/opt/shino/"
                                    << "book\\annot.chm"
                                    << "/opt/shino/book/annot.chm";
    QTest::addRow("folder at the root") << "/"
                                        << "book\\annot.chm"
                                        << "/book/annot.chm";
    QTest::addRow("bare name at the root") << "/"
                                           << "pmk.chm"
                                           << "/pmk.chm";
    QTest::addRow("folder without separator") << "/opt/shino"
                                              << "book\\annot.chm"
                                              << "/opt/shino/book/annot.chm";
    QTest::addRow("name with leading separator") << "/opt/shino/"
                                                 << "\\Menu\\Timermenu.exe"
                                                 << "/opt/shino/Menu/Timermenu.exe";
    QTest::addRow("drive root") << "C:\\"
                                << "book\\annot.chm"
                                << "C:/book/annot.chm";
    QTest::addRow("backslashed folder") << "C:\\shino\\"
                                        << "book\\lek1.chm"
                                        << "C:/shino/book/lek1.chm";
}

void DocumentOpenerTest::buildsDocumentPaths()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, path);
    const QString built = DocumentOpener::documentPath(folder, name);
    QCOMPARE(built, path);
    QVERIFY(!built.contains(QStringLiteral("//")));
}

void DocumentOpenerTest::opensEachDocumentInItsOwnViewer()
{
    auto *first =
        qobject_cast<DocumentViewer *>(DocumentOpener::openDocumentIn(m_program, QStringLiteral("book\\annot.chm")));
    auto *second =
        qobject_cast<DocumentViewer *>(DocumentOpener::openDocumentIn(m_program, QStringLiteral("BOOK\\ANNOT.CHM")));
    QVERIFY(first);
    QVERIFY(second);
    QVERIFY(first != second);
    QCOMPARE(windows<DocumentViewer>().size(), 2);
    for (DocumentViewer *viewer : {first, second}) {
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isDocumentOpen());
        QCOMPARE(viewer->filePath(), m_program + QStringLiteral("Book/Annot.chm"));
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    }
}

void DocumentOpenerTest::namesMissingDocument()
{
    auto *viewer =
        qobject_cast<DocumentViewer *>(DocumentOpener::openDocumentIn(m_program, QStringLiteral("book\\lek9.chm")));
    QVERIFY(viewer);
    QVERIFY(!viewer->isDocumentOpen());
    const QString text = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"))->toPlainText();
    QVERIFY2(text.contains(m_program + QStringLiteral("Book/lek9.chm")), qPrintable(text));
}

void DocumentOpenerTest::showsFolderFiles()
{
    QWidget *window = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("VV55A"));
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("FolderWindow"));
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Папка vv55a"));
    auto *list = TestUtil::child<QTreeWidget>(window, QStringLiteral("FileList"));
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Имя"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Размер"));
    QCOMPARE(column(list, 0), (QStringList{"src", "Big.bin", "lab.txt", "vv55.chm"}));
    QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("папка"));
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("3,5 КБ"));
    QVERIFY(list->topLevelItem(2)->text(1).endsWith(QStringLiteral(" байт")));
    QVERIFY(TestUtil::child<QLabel>(window, QStringLiteral("PathLabel"))->text().endsWith(QStringLiteral("vv55a")));
    QVERIFY(!TestUtil::child<QToolButton>(window, QStringLiteral("UpButton"))->isEnabled());
    TestUtil::saveScreenshot(window, QStringLiteral("folderwindow"));
}

void DocumentOpenerTest::opensFilesFromFolderWindow()
{
    QWidget *window = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("vv55a"));
    auto *list = TestUtil::child<QTreeWidget>(window, QStringLiteral("FileList"));

    activate(list, QStringLiteral("lab.txt"));
    QCOMPARE(windows<TextWindow>().size(), 1);
    TextWindow *text = windows<TextWindow>().first();
    QCOMPARE(text->windowTitle(), QStringLiteral("lab.txt"));
    QCOMPARE(text->text(), QStringLiteral("Лабораторная работа\nПараллельный адаптер\n"));
    // Tables and bit layouts of the adapter's texts line up only in a fixed-pitch font.
    auto *view = TestUtil::child<QPlainTextEdit>(text, QStringLiteral("TextView"));
    QVERIFY(QFontInfo(view->font()).fixedPitch());
    const QFontMetrics metrics(view->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("WWWW")));
    QCOMPARE(view->lineWrapMode(), QPlainTextEdit::NoWrap);
    TestUtil::saveScreenshot(text, QStringLiteral("textwindow"));

    activate(list, QStringLiteral("vv55.chm"));
    QCOMPARE(windows<DocumentViewer>().size(), 1);
    QVERIFY(windows<DocumentViewer>().first()->isDocumentOpen());
    // A file nothing can show is reported.
    TestUtil::ModalAnswerer answerer;
    activate(list, QStringLiteral("Big.bin"));
    QTRY_COMPARE(answerer.count(), 1);
    QVERIFY(answerer.texts().first().contains(QStringLiteral("Big.bin")));
}

void DocumentOpenerTest::entersSubfolders()
{
    QWidget *window = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("vv55a"));
    auto *folder = qobject_cast<FolderWindow *>(window);
    QVERIFY(folder);
    auto *list = TestUtil::child<QTreeWidget>(window, QStringLiteral("FileList"));
    auto *up = TestUtil::child<QToolButton>(window, QStringLiteral("UpButton"));
    list->setFocus();
    // A double click is a press and release followed by the double-click event.
    const QPoint where = list->visualItemRect(list->topLevelItem(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QCOMPARE(list->topLevelItemCount(), 4);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                       list->visualItemRect(list->topLevelItem(0)).center());
    QCOMPARE(column(list, 0), QStringList{"port.txt"});
    QVERIFY(up->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(folder->currentFolder(), folder->rootFolder());
    QCOMPARE(list->topLevelItemCount(), 4);
}

void DocumentOpenerTest::namesMissingFolder()
{
    QWidget *window = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("nofolder"));
    QVERIFY(window);
    auto *message = TestUtil::child<QLabel>(window, QStringLiteral("MessageLabel"));
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(), QStringLiteral("Папка %1 не найдена.").arg(m_program + QStringLiteral("nofolder")));
    QVERIFY(!TestUtil::child<QTreeWidget>(window, QStringLiteral("FileList"))->isVisible());
    TestUtil::saveScreenshot(window, QStringLiteral("folderwindow_missing"));
}

void DocumentOpenerTest::reusesFolderWindow()
{
    QWidget *first = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("vv55a"));
    QWidget *second = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("vv55a"));
    QCOMPARE(first, second);
    QCOMPARE(windows<FolderWindow>().size(), 1);
    first->close();
    QWidget *third = DocumentOpener::exploreFolderIn(m_program, QStringLiteral("vv55a"));
    QVERIFY(third != first);
    QVERIFY(third->isVisible());
}

QTEST_MAIN(DocumentOpenerTest)
#include "tst_documentopener.moc"
