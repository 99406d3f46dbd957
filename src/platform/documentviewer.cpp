#include "platform/documentviewer.h"

#include "platform/documentopener.h"
#include "platform/findbar.h"
#include "platform/guard.h"
#include "platform/icons.h"
#include "platform/messages.h"
#include "platform/pagebrowser.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

// The help-on-help page is compiled into the package library; a static library
// keeps its resources only when something refers to them.
static void initViewerResources()
{
    Q_INIT_RESOURCE(helponhelp);
}

namespace {

constexpr int kLocalRole = Qt::UserRole;

QString pageKey(const QString &local)
{
    return ChmFile::pagePath(local).toLower();
}

} // namespace

DocumentViewer::DocumentViewer(const QString &filePath, QWidget *parent)
    : QMainWindow(parent)
    , m_filePath(filePath)
{
    initViewerResources();
    setObjectName(QStringLiteral("DocumentViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A viewer stands beside the package: it does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_error = m_document.open(filePath);
    buildWindow();

    const QString fileName = QFileInfo(filePath).fileName();
    if (!m_error.isEmpty()) {
        setWindowTitle(fileName.isEmpty() ? QStringLiteral("Просмотр документа") : fileName);
        m_home->setEnabled(false);
        m_browser->showMessage(QStringLiteral("Документ не открыт"), m_error);
        return;
    }
    setWindowTitle(m_document.title().isEmpty() ? fileName : m_document.title());
    buildContents();
    buildIndex();
    showContents();
}

DocumentViewer::~DocumentViewer() = default;

void DocumentViewer::buildWindow()
{
    resize(900, 650);
    setMinimumSize(480, 320);
    buildToolBar();

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_tabs = new QTabWidget(m_splitter);
    m_tabs->setObjectName(QStringLiteral("NavigationTabs"));
    m_tabs->setDocumentMode(true);
    m_tabs->addTab(buildContentsTree(), Icons::standard(QStyle::SP_FileDialogDetailedView),
                   QStringLiteral("Содержание"));
    m_tabs->addTab(buildIndexPage(), Icons::standard(QStyle::SP_FileDialogListView), QStringLiteral("Указатель"));
    QWidget *pagePanel = buildPagePanel();

    m_splitter->addWidget(m_tabs);
    m_splitter->addWidget(pagePanel);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({280, 620});
    setCentralWidget(m_splitter);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    addFindKey(QKeySequence::FindNext, &FindBar::findNext);
    addFindKey(QKeySequence::FindPrevious, &FindBar::findPrevious);
    connectControls();
    // Escape and Ctrl+W close the viewer as its close box does; Escape in the find bar closes the bar first.
    auto *closeViewer = new QAction(this);
    closeViewer->setObjectName(QStringLiteral("CloseAction"));
    closeViewer->setShortcuts(QKeySequence::keyBindings(QKeySequence::Close));
    addAction(closeViewer);
    connect(closeViewer, &QAction::triggered, this, &QWidget::close);
}

void DocumentViewer::buildToolBar()
{
    auto *toolBar = new QToolBar(QStringLiteral("Навигация"), this);
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setIconSize(QSize(20, 20));
    addToolBar(toolBar);

    m_back = addTool(toolBar, QStringLiteral("Назад"), Icons::themed("go-previous", QStyle::SP_ArrowBack),
                     QKeySequence::keyBindings(QKeySequence::Back), "Back", &DocumentViewer::BackButtonClick);
    m_forward =
        addTool(toolBar, QStringLiteral("Вперёд"), Icons::themed("go-next", QStyle::SP_ArrowForward),
                QKeySequence::keyBindings(QKeySequence::Forward), "Forward", &DocumentViewer::ForwardButtonClick);
    m_home = addTool(toolBar, QStringLiteral("Начало"), Icons::themed("go-home", QStyle::SP_DirHomeIcon),
                     {QKeySequence(Qt::ALT | Qt::Key_Home)}, "Home", &DocumentViewer::HomeButtonClick);
    toolBar->addSeparator();
    addTool(toolBar, QStringLiteral("Найти на странице"), Icons::themed("edit-find", QStyle::SP_FileDialogContentsView),
            QKeySequence::keyBindings(QKeySequence::Find), "Find", &DocumentViewer::FindButtonClick);
    addTool(toolBar, QStringLiteral("Как пользоваться"),
            Icons::themed("dialog-question", QStyle::SP_MessageBoxQuestion), {QKeySequence(Qt::Key_F1)}, "HelpOnHelp",
            &DocumentViewer::HelpOnHelpButtonClick);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
}

QAction *DocumentViewer::addTool(QToolBar *toolBar, const QString &text, const QIcon &icon,
                                 const QList<QKeySequence> &keys, const char *name, void (DocumentViewer::*handler)())
{
    auto *action = new QAction(icon, text, this);
    action->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    action->setShortcuts(keys);
    QString tip = text;
    if (!keys.isEmpty())
        tip += QStringLiteral(" (") + keys.first().toString(QKeySequence::NativeText) + QLatin1Char(')');
    action->setToolTip(tip);
    toolBar->addAction(action);
    toolBar->widgetForAction(action)->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
    Guard::connect(action, &QAction::triggered, this, handler);
    return action;
}

QWidget *DocumentViewer::buildContentsTree()
{
    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("ContentsTree"));
    m_contents->setHeaderHidden(true);
    m_contents->setUniformRowHeights(true);
    m_contents->setIndentation(16);
    m_contents->setExpandsOnDoubleClick(true);
    return m_contents;
}

QWidget *DocumentViewer::buildIndexPage()
{
    auto *indexPage = new QWidget;
    indexPage->setObjectName(QStringLiteral("IndexPage"));
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(6, 6, 6, 6);
    indexLayout->setSpacing(6);
    auto *searchCaption = new QLabel(QStringLiteral("Введите ключевое слово:"), indexPage);
    searchCaption->setObjectName(QStringLiteral("IndexSearchCaption"));
    m_indexSearch = new QLineEdit(indexPage);
    m_indexSearch->setObjectName(QStringLiteral("IndexSearch"));
    m_indexSearch->setClearButtonEnabled(true);
    searchCaption->setBuddy(m_indexSearch);
    m_indexList = new QListWidget(indexPage);
    m_indexList->setObjectName(QStringLiteral("IndexList"));
    m_indexList->setUniformItemSizes(true);
    m_indexShow = new QPushButton(QStringLiteral("Показать"), indexPage);
    m_indexShow->setObjectName(QStringLiteral("IndexShowButton"));
    indexLayout->addWidget(searchCaption);
    indexLayout->addWidget(m_indexSearch);
    indexLayout->addWidget(m_indexList, 1);
    indexLayout->addWidget(m_indexShow, 0, Qt::AlignRight);
    return indexPage;
}

QWidget *DocumentViewer::buildPagePanel()
{
    auto *pagePanel = new QWidget(m_splitter);
    pagePanel->setObjectName(QStringLiteral("PagePanel"));
    auto *pageLayout = new QVBoxLayout(pagePanel);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    m_browser = new PageBrowser(&m_document, pagePanel);
    m_browser->setObjectName(QStringLiteral("PageBrowser"));
    m_findBar = new FindBar(m_browser, pagePanel);
    pageLayout->addWidget(m_browser, 1);
    pageLayout->addWidget(m_findBar);
    return pagePanel;
}

// F3 and Shift+F3 step through the matches; with nothing to find yet they open the find bar.
void DocumentViewer::addFindKey(QKeySequence::StandardKey key, bool (FindBar::*step)())
{
    auto *action = new QAction(this);
    action->setShortcuts(key);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, step] {
        if (m_findBar->text().isEmpty())
            m_findBar->open();
        else
            (m_findBar->*step)();
    });
}

void DocumentViewer::connectControls()
{
    Guard::connect(m_contents, &QTreeWidget::currentItemChanged, this, &DocumentViewer::ContentsTreeChange);
    Guard::connect(m_contents, &QTreeWidget::itemActivated, this, &DocumentViewer::ContentsTreeActivate);
    Guard::connect(m_indexSearch, &QLineEdit::textChanged, this, &DocumentViewer::IndexSearchChange);
    Guard::connect(m_indexSearch, &QLineEdit::returnPressed, this, &DocumentViewer::IndexSearchReturn);
    Guard::connect(m_indexList, &QListWidget::itemActivated, this, &DocumentViewer::IndexListActivate);
    Guard::connect(m_indexShow, &QPushButton::clicked, this, &DocumentViewer::IndexShowButtonClick);
    // The browser reports the new address before source() returns it.
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this](const QUrl &url) { Guard::run(this, [this, url] { PageBrowserSourceChange(url); }); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &link) { Guard::run(this, [this, link] { followLink(link); }); });
    connect(m_browser, qOverload<const QUrl &>(&QTextBrowser::highlighted), this,
            [this](const QUrl &link) { statusBar()->showMessage(linkDescription(link)); });
    // The index tab is for typing a keyword.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == IndexTab)
            m_indexSearch->setFocus(Qt::OtherFocusReason);
    });
}

void DocumentViewer::buildContents()
{
    const QIcon folderIcon = Icons::standard(QStyle::SP_DirClosedIcon);
    const QIcon pageIcon = Icons::standard(QStyle::SP_FileIcon);
    std::function<void(const QList<Sitemap::Entry> &, QTreeWidgetItem *)> add;
    add = [&](const QList<Sitemap::Entry> &entries, QTreeWidgetItem *parent) {
        for (const Sitemap::Entry &entry : entries) {
            auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
            item->setText(0, entry.name);
            item->setToolTip(0, entry.name);
            item->setData(0, kLocalRole, entry.local);
            item->setIcon(0, entry.children.isEmpty() ? pageIcon : folderIcon);
            if (!entry.local.isEmpty()) {
                const QString key = pageKey(entry.local);
                if (!m_itemByPage.contains(key))
                    m_itemByPage.insert(key, item);
            }
            add(entry.children, item);
        }
    };
    const QSignalBlocker blocker(m_contents);
    add(m_document.contents(), nullptr);
    for (int i = 0; i < m_contents->topLevelItemCount(); ++i)
        m_contents->topLevelItem(i)->setExpanded(true);
}

void DocumentViewer::buildIndex()
{
    const QSignalBlocker blocker(m_indexList);
    for (const Sitemap::Entry &entry : m_document.index()) {
        auto *item = new QListWidgetItem(entry.name, m_indexList);
        item->setData(kLocalRole, entry.local);
    }
}

void DocumentViewer::showContents()
{
    m_tabs->setCurrentIndex(ContentsTab);
    if (!isDocumentOpen())
        return;
    if (m_document.homePage().isEmpty()) {
        m_browser->showMessage(QStringLiteral("Документ пуст"), QStringLiteral("В документе нет ни одной страницы."));
        return;
    }
    showPage(m_document.homePage());
}

void DocumentViewer::showIndex()
{
    m_tabs->setCurrentIndex(IndexTab);
    m_indexSearch->clear();
    IndexSearchChange();
    m_indexSearch->setFocus(Qt::OtherFocusReason);
}

void DocumentViewer::showHelpOnHelp()
{
    m_browser->setSource(helpOnHelpUrl());
}

void DocumentViewer::showPage(const QString &local)
{
    m_browser->setSource(PageBrowser::pageUrl(local));
}

void DocumentViewer::openFindBar()
{
    m_findBar->open();
}

QUrl DocumentViewer::currentUrl() const
{
    return m_browser->source();
}

QString DocumentViewer::currentPage() const
{
    return m_browser->currentPage();
}

DocumentViewer::Tab DocumentViewer::currentTab() const
{
    return m_tabs->currentIndex() == IndexTab ? IndexTab : ContentsTab;
}

QUrl DocumentViewer::helpOnHelpUrl()
{
    return QUrl(QStringLiteral("qrc:/platform/helponhelp.html"));
}

QString DocumentViewer::linkDescription(const QUrl &link) const
{
    // The status bar names where a link leads by the page's title, never by
    // the document's inner file names.
    const QUrl target = m_browser->resolve(link);
    if (target.scheme() != PageBrowser::scheme())
        return target.scheme() == QLatin1String("qrc") ? QString() : link.toString();
    const QTreeWidgetItem *item = m_itemByPage.value(pageKey(target.path(QUrl::FullyDecoded)));
    return item ? item->text(0) : QString();
}

void DocumentViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void DocumentViewer::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    QMainWindow::closeEvent(event);
}

void DocumentViewer::followLink(const QUrl &link)
{
    const QUrl target = m_browser->resolve(link);
    const QString scheme = target.scheme().toLower();
    if (scheme == PageBrowser::scheme()) {
        const QString path = ChmFile::normalizedPath(target.path(QUrl::FullyDecoded));
        if (!m_document.contains(path)) {
            // A link to a file beside the document ("other.chm") opens that file.
            const QString beside = QFileInfo(m_filePath).absolutePath() + path;
            if (DocumentOpener::isHelpDocument(beside) && QFileInfo(beside).isFile()) {
                DocumentOpener::openFile(beside);
                return;
            }
        }
        m_browser->setSource(target);
    } else if (scheme == QLatin1String("qrc")) {
        m_browser->setSource(target);
    } else {
        // Nothing outside the document is opened: a help page must not start programs or read local files.
        Messages::information(
            this, QStringLiteral("Ссылка %1 ведёт за пределы документа и не открывается.").arg(link.toString()));
    }
}

void DocumentViewer::openIndexEntry()
{
    QListWidgetItem *item = m_indexList->currentItem();
    if (!item || item->isHidden())
        return;
    const QString local = item->data(kLocalRole).toString();
    if (!local.isEmpty())
        showPage(local);
}

void DocumentViewer::selectContentsItemFor(const QUrl &url)
{
    if (url.scheme() != PageBrowser::scheme())
        return;
    QTreeWidgetItem *item = m_itemByPage.value(pageKey(url.path(QUrl::FullyDecoded)));
    if (!item || item == m_contents->currentItem())
        return;
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentItem(item);
    m_contents->scrollToItem(item);
}

void DocumentViewer::ContentsTreeChange()
{
    QTreeWidgetItem *item = m_contents->currentItem();
    if (!item)
        return;
    const QString local = item->data(0, kLocalRole).toString();
    if (!local.isEmpty())
        showPage(local);
}

void DocumentViewer::ContentsTreeActivate()
{
    QTreeWidgetItem *item = m_contents->currentItem();
    if (!item)
        return;
    const QString local = item->data(0, kLocalRole).toString();
    if (local.isEmpty())
        item->setExpanded(!item->isExpanded());
    else
        showPage(local);
}

void DocumentViewer::IndexSearchChange()
{
    const QString text = m_indexSearch->text().trimmed();
    QListWidgetItem *prefixMatch = nullptr;
    QListWidgetItem *firstShown = nullptr;
    m_indexList->setUpdatesEnabled(false);
    for (int i = 0; i < m_indexList->count(); ++i) {
        QListWidgetItem *item = m_indexList->item(i);
        const bool shown = text.isEmpty() || item->text().contains(text, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (!shown)
            continue;
        if (!firstShown)
            firstShown = item;
        if (!prefixMatch && !text.isEmpty() && item->text().startsWith(text, Qt::CaseInsensitive))
            prefixMatch = item;
    }
    m_indexList->setUpdatesEnabled(true);
    QListWidgetItem *current = prefixMatch ? prefixMatch : firstShown;
    if (text.isEmpty())
        current = nullptr;
    m_indexList->setCurrentItem(current);
    if (current)
        m_indexList->scrollToItem(current, QAbstractItemView::PositionAtTop);
    else
        m_indexList->scrollToTop();
    m_indexShow->setEnabled(firstShown != nullptr);
}

void DocumentViewer::IndexSearchReturn()
{
    if (!m_indexList->currentItem() || m_indexList->currentItem()->isHidden()) {
        for (int i = 0; i < m_indexList->count(); ++i) {
            if (!m_indexList->item(i)->isHidden()) {
                m_indexList->setCurrentRow(i);
                break;
            }
        }
    }
    openIndexEntry();
}

void DocumentViewer::IndexListActivate()
{
    openIndexEntry();
}

void DocumentViewer::IndexShowButtonClick()
{
    IndexSearchReturn();
}

void DocumentViewer::BackButtonClick()
{
    m_browser->backward();
}

void DocumentViewer::ForwardButtonClick()
{
    m_browser->forward();
}

void DocumentViewer::HomeButtonClick()
{
    if (isDocumentOpen() && !m_document.homePage().isEmpty())
        showPage(m_document.homePage());
}

void DocumentViewer::FindButtonClick()
{
    m_findBar->open();
}

void DocumentViewer::HelpOnHelpButtonClick()
{
    showHelpOnHelp();
}

void DocumentViewer::PageBrowserSourceChange(const QUrl &url)
{
    selectContentsItemFor(url);
    statusBar()->clearMessage();
}
