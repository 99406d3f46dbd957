#include "helpproject.h"
#include "platform/documentviewer.h"
#include "platform/pagebrowser.h"
#include "testutil.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QStringList shownItems(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        if (!list->item(i)->isHidden())
            names.append(list->item(i)->text());
    }
    return names;
}

// Clicks the link whose text is given, as a student would.
void clickLink(QTextBrowser *browser, const QString &text)
{
    const QTextCursor found = browser->document()->find(text);
    QVERIFY2(!found.isNull(), qPrintable(text));
    QTextCursor inside(browser->document());
    inside.setPosition(found.selectionStart() + 2);
    const QRect rect = browser->cursorRect(inside);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Types a text key by key (the Cyrillic letters too).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

QTreeWidgetItem *findItem(QTreeWidget *tree, const QString &text)
{
    const auto items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

} // namespace

class DocumentViewerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void showsHomePageAndContents();
    void loadsPicturesFromTheDocument();
    void followsLinksBackAndForward();
    void contentsTreeOpensPages();
    void filtersTheIndex_data();
    void filtersTheIndex();
    void findsInPage();
    void opensFindBarWithKeys();
    void showsMessagePages_data();
    void showsMessagePages();
    void showsHelpOnHelp();
    void isDeletedWhenClosed();
    void closesWithKeys_data();
    void closesWithKeys();
    void indexTabFocusesSearch();
    void statusBarNamesPagesByTitle();

private:
    DocumentViewer *openSample();

    QTemporaryDir m_dir;
    QString m_sample;
};

void DocumentViewerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (!HelpProject::compiler().isEmpty())
        m_sample = HelpProject::buildSample(m_dir.path() + QStringLiteral("/sample"));
}

void DocumentViewerTest::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<DocumentViewer *>(widget))
            delete widget;
    }
}

DocumentViewer *DocumentViewerTest::openSample()
{
    auto *viewer = new DocumentViewer(m_sample);
    viewer->show();
    if (!QTest::qWaitForWindowExposed(viewer))
        return nullptr;
    return viewer;
}

void DocumentViewerTest::showsHomePageAndContents()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Тестовый документ"));
    QCOMPARE(viewer->size(), QSize(900, 650));
    QVERIFY(viewer->errorText().isEmpty());
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Шина ISA")));
    QCOMPARE(viewer->currentTab(), DocumentViewer::ContentsTab);
    auto *tabs = TestUtil::child<QTabWidget>(viewer, QStringLiteral("NavigationTabs"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("Содержание"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Указатель"));
    auto *tree = TestUtil::child<QTreeWidget>(viewer, QStringLiteral("ContentsTree"));
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Введение"));
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Сигналы шины"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Приложение"));
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    TestUtil::child<QSplitter>(viewer, QStringLiteral("Splitter"));
    QVERIFY(!TestUtil::child<QToolButton>(viewer, QStringLiteral("BackButton"))->isEnabled());
    QVERIFY(!TestUtil::child<QToolButton>(viewer, QStringLiteral("ForwardButton"))->isEnabled());
    TestUtil::saveScreenshot(viewer, QStringLiteral("documentviewer_home"));
}

void DocumentViewerTest::loadsPicturesFromTheDocument()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("img/pic.png")));
    QCOMPARE(picture.value<QImage>().size(), QSize(40, 30));
    const QVariant style = browser->loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("style.css")));
    QVERIFY(style.toString().contains(QStringLiteral("color")));
    // A missing picture is an empty image, never an empty answer the text engine would fill itself.
    const QVariant missing = browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("img/none.png")));
    QVERIFY(missing.isValid() && missing.value<QImage>().isNull());
    // The linked stylesheet colours the heading.
    const QTextCursor heading = browser->document()->find(QStringLiteral("Шина ISA"));
    QCOMPARE(heading.charFormat().foreground().color(), QColor(0x1f, 0x4e, 0x79));
    // The page's picture is laid out at its size.
    QVERIFY(browser->document()->size().height() > 30);
}

void DocumentViewerTest::followsLinksBackAndForward()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    auto *back = TestUtil::child<QToolButton>(viewer, QStringLiteral("BackButton"));
    auto *forward = TestUtil::child<QToolButton>(viewer, QStringLiteral("ForwardButton"));
    auto *tree = TestUtil::child<QTreeWidget>(viewer, QStringLiteral("ContentsTree"));

    clickLink(browser, QStringLiteral("Вторая страница"));
    QTRY_COMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Сигнал IOR# читает порт ввода-вывода.")));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Сигналы шины"));
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Введение"));
    QVERIFY(!back->isEnabled());
    QVERIFY(forward->isEnabled());

    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));

    clickLink(browser, QStringLiteral("К началу"));
    QTRY_COMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Шина ISA")));

    // An outside address stays out of the viewer and opens nothing; a message names it.
    TestUtil::ModalAnswerer answerer;
    clickLink(browser, QStringLiteral("Внешняя ссылка"));
    QTRY_COMPARE(answerer.texts(), QStringList{QStringLiteral(
                                       "Ссылка http://example.com/ ведёт за пределы документа и не открывается.")});
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
}

void DocumentViewerTest::contentsTreeOpensPages()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    auto *tree = TestUtil::child<QTreeWidget>(viewer, QStringLiteral("ContentsTree"));
    tree->expandAll();
    QTreeWidgetItem *item = findItem(tree, QStringLiteral("Раздел второй"));
    QVERIFY(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(item).center());
    QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));
    QCOMPARE(viewer->currentUrl().fragment(), QStringLiteral("a2"));
    // A heading without a page leaves the page as it is.
    QTreeWidgetItem *heading = findItem(tree, QStringLiteral("Приложение"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(heading).center());
    QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));
}

void DocumentViewerTest::filtersTheIndex_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("page");
    const QStringList all = {QStringLiteral("адрес"), QStringLiteral("данные"), QStringLiteral("магистраль"),
                             QStringLiteral("сигнал"), QStringLiteral("сигнал, IOR#")};
    QTest::addRow("empty keyword") << "" << all << ""
                                   << "/index.html";
    QTest::addRow("beginning of a word") << "сиг" << QStringList{all[3], all[4]} << all[3] << "/sub/page2.html";
    QTest::addRow("other letter case") << "МАГ" << QStringList{all[2]} << all[2] << "/index.html";
    QTest::addRow("sub-keyword") << "ior" << QStringList{all[4]} << all[4] << "/sub/page2.html";
    QTest::addRow("inside a word") << "нны" << QStringList{all[1]} << all[1] << "/sub/page2.html";
    QTest::addRow("nothing matches") << "шина" << QStringList() << ""
                                     << "/index.html";
}

void DocumentViewerTest::filtersTheIndex()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(QString, current);
    QFETCH(QString, page);
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    viewer->showIndex();
    QCOMPARE(viewer->currentTab(), DocumentViewer::IndexTab);
    auto *search = TestUtil::child<QLineEdit>(viewer, QStringLiteral("IndexSearch"));
    auto *list = TestUtil::child<QListWidget>(viewer, QStringLiteral("IndexList"));
    auto *show = TestUtil::child<QPushButton>(viewer, QStringLiteral("IndexShowButton"));
    QCOMPARE(search->text(), QString());
    QCOMPARE(viewer->focusWidget(), search);
    typeText(search, typed);
    QCOMPARE(shownItems(list), shown);
    QCOMPARE(list->currentItem() ? list->currentItem()->text() : QString(), current);
    QCOMPARE(show->isEnabled(), !shown.isEmpty());
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(viewer->currentPage(), page);
    TestUtil::saveScreenshot(viewer, QStringLiteral("documentviewer_index_") +
                                         QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
}

void DocumentViewerTest::findsInPage()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    auto *bar = TestUtil::child<QWidget>(viewer, QStringLiteral("FindBar"));
    QVERIFY(!bar->isVisible());
    viewer->openFindBar();
    QVERIFY(bar->isVisible());
    auto *edit = TestUtil::child<QLineEdit>(viewer, QStringLiteral("FindEdit"));
    auto *next = TestUtil::child<QToolButton>(viewer, QStringLiteral("FindNextButton"));
    auto *previous = TestUtil::child<QToolButton>(viewer, QStringLiteral("FindPreviousButton"));
    auto *status = TestUtil::child<QLabel>(viewer, QStringLiteral("FindStatus"));

    typeText(edit, QStringLiteral("магистраль"));
    QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("Магистраль"));
    const int first = browser->textCursor().selectionStart();
    QTest::mouseClick(next, Qt::LeftButton);
    const int second = browser->textCursor().selectionStart();
    QVERIFY(second > first);
    QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("Магистраль"));
    QCOMPARE(status->text(), QString());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(browser->textCursor().selectionStart(), first);
    QCOMPARE(status->text(), QStringLiteral("Поиск продолжен с начала страницы"));
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(browser->textCursor().selectionStart(), second);
    QCOMPARE(status->text(), QStringLiteral("Поиск продолжен с конца страницы"));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(browser->textCursor().selectionStart(), first);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(browser->textCursor().selectionStart(), second);
    QCOMPARE(status->text(), QString());
    TestUtil::saveScreenshot(viewer, QStringLiteral("documentviewer_find"));

    edit->clear();
    typeText(edit, QStringLiteral("нет такого текста"));
    QCOMPARE(status->text(), QStringLiteral("Не найдено"));
    // The last match of the text typed so far stays selected.
    QVERIFY(QStringLiteral("нет такого текста").startsWith(browser->textCursor().selectedText(), Qt::CaseInsensitive));

    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
}

void DocumentViewerTest::opensFindBarWithKeys()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    auto *bar = TestUtil::child<QWidget>(viewer, QStringLiteral("FindBar"));
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    auto *edit = TestUtil::child<QLineEdit>(viewer, QStringLiteral("FindEdit"));
    QCOMPARE(QApplication::focusWidget(), edit);
    typeText(edit, QStringLiteral("магистраль"));
    const int first = browser->textCursor().selectionStart();
    QTest::keyClick(edit, Qt::Key_F3);
    QVERIFY(browser->textCursor().selectionStart() != first);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(browser->textCursor().selectionStart(), first);

    clickLink(browser, QStringLiteral("Вторая страница"));
    QTRY_COMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));
    QTest::keyClick(viewer, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
    QTest::keyClick(viewer, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/page2.html"));
    QTest::keyClick(viewer, Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
}

void DocumentViewerTest::showsMessagePages_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::addRow("missing file") << "missing"
                                  << "не найден";
    QTest::addRow("not a document") << "text"
                                    << "не является документом справки";
    QTest::addRow("damaged document") << "damaged"
                                      << "повреждён";
    QTest::addRow("missing page") << "page"
                                  << "Страница не найдена";
}

void DocumentViewerTest::showsMessagePages()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QString path = m_dir.path() + QStringLiteral("/missing folder/Учебник.chm");
    if (kind == QLatin1String("text")) {
        path = m_dir.path() + QStringLiteral("/text.chm");
        HelpProject::writeFile(m_dir.path(), QStringLiteral("text.chm"), "Просто текст");
    } else if (kind != QLatin1String("missing")) {
        if (m_sample.isEmpty())
            QSKIP("chmcmd is not installed");
        QFile sample(m_sample);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QByteArray bytes = sample.readAll();
        if (kind == QLatin1String("damaged"))
            bytes.truncate(bytes.size() * 2 / 3);
        path = m_dir.path() + QStringLiteral("/") + kind + QStringLiteral(".chm");
        HelpProject::writeFile(m_dir.path(), kind + QStringLiteral(".chm"), bytes);
    }
    auto *viewer = new DocumentViewer(path);
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    if (kind == QLatin1String("page"))
        viewer->showPage(QStringLiteral("nothere.html"));
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    const QString text = browser->toPlainText();
    QVERIFY2(text.contains(expected), qPrintable(text));
    if (kind == QLatin1String("page")) {
        QVERIFY(text.contains(QStringLiteral("/nothere.html")));
        return;
    }
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY(!viewer->isDocumentOpen());
    QCOMPARE(TestUtil::child<QTreeWidget>(viewer, QStringLiteral("ContentsTree"))->topLevelItemCount(), 0);
    QCOMPARE(viewer->windowTitle(), QFileInfo(path).fileName());
    QVERIFY(!TestUtil::child<QToolButton>(viewer, QStringLiteral("HomeButton"))->isEnabled());
    TestUtil::saveScreenshot(viewer, QStringLiteral("documentviewer_message_") + kind);
}

void DocumentViewerTest::showsHelpOnHelp()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    QTest::mouseClick(TestUtil::child<QToolButton>(viewer, QStringLiteral("HelpOnHelpButton")), Qt::LeftButton);
    QCOMPARE(viewer->currentUrl(), DocumentViewer::helpOnHelpUrl());
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    const QString text = browser->toPlainText();
    for (const char *words :
         {"Как пользоваться просмотром справки", "Содержание", "Указатель", "Назад", "Вперёд", "Ctrl+F", "Клавиши"})
        QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    QCOMPARE(viewer->currentPage(), QString());
    TestUtil::saveScreenshot(viewer, QStringLiteral("documentviewer_helponhelp"));
    QTest::mouseClick(TestUtil::child<QToolButton>(viewer, QStringLiteral("BackButton")), Qt::LeftButton);
    QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
}

void DocumentViewerTest::isDeletedWhenClosed()
{
    QPointer<DocumentViewer> viewer = new DocumentViewer(m_dir.path() + QStringLiteral("/none.chm"));
    viewer->show();
    QVERIFY(!viewer->testAttribute(Qt::WA_QuitOnClose));
    viewer->close();
    QVERIFY(viewer->isClosing());
    QTRY_VERIFY(viewer.isNull());
}

void DocumentViewerTest::closesWithKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addRow("Escape in the page") << "PageBrowser" << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::addRow("Escape in the contents") << "ContentsTree" << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::addRow("Ctrl+W in the page") << "PageBrowser" << int(Qt::Key_W) << int(Qt::ControlModifier);
}

void DocumentViewerTest::closesWithKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QPointer<DocumentViewer> viewer = new DocumentViewer(m_dir.path() + QStringLiteral("/none.chm"));
    viewer->show();
    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QWidget *target = TestUtil::child<QWidget>(viewer, focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(viewer->isClosing());
    QTRY_VERIFY(viewer.isNull());
}

void DocumentViewerTest::indexTabFocusesSearch()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    auto *tabs = TestUtil::child<QTabWidget>(viewer, QStringLiteral("NavigationTabs"));
    QCOMPARE(viewer->currentTab(), DocumentViewer::ContentsTab);
    tabs->setCurrentIndex(DocumentViewer::IndexTab);
    QCOMPARE(viewer->focusWidget(), TestUtil::child<QLineEdit>(viewer, QStringLiteral("IndexSearch")));
    // With the find bar open, Escape closes the bar and leaves the viewer open.
    viewer->openFindBar();
    QTest::keyClick(TestUtil::child<QLineEdit>(viewer, QStringLiteral("FindEdit")), Qt::Key_Escape);
    QVERIFY(!viewer->isClosing());
    QVERIFY(!TestUtil::child<QWidget>(viewer, QStringLiteral("FindBar"))->isVisible());
}

void DocumentViewerTest::statusBarNamesPagesByTitle()
{
    if (m_sample.isEmpty())
        QSKIP("chmcmd is not installed");
    DocumentViewer *viewer = openSample();
    QVERIFY(viewer);
    auto *browser = TestUtil::child<QTextBrowser>(viewer, QStringLiteral("PageBrowser"));
    Q_EMIT browser->highlighted(QUrl(QStringLiteral("sub/page2.html")));
    QCOMPARE(viewer->statusBar()->currentMessage(), QStringLiteral("Сигналы шины"));
    Q_EMIT browser->highlighted(QUrl(QStringLiteral("sub/unlisted.html")));
    QCOMPARE(viewer->statusBar()->currentMessage(), QString());
    Q_EMIT browser->highlighted(QUrl(QStringLiteral("https://example.org/usb")));
    QCOMPARE(viewer->statusBar()->currentMessage(), QStringLiteral("https://example.org/usb"));
}

QTEST_MAIN(DocumentViewerTest)
#include "tst_documentviewer.moc"
