#pragma once

#include "platform/chmfile.h"

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QUrl>

class FindBar;
class PageBrowser;
class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The package's viewer of compiled help documents: a window beside the package
// with the document's contents tree, its keyword index with a search box, the
// page, back and forward, and find in page. Deleted when closed.
class DocumentViewer : public QMainWindow {
    Q_OBJECT

public:
    enum Tab { ContentsTab = 0, IndexTab = 1 };

    explicit DocumentViewer(const QString &filePath, QWidget *parent = nullptr);
    ~DocumentViewer() override;

    QString filePath() const { return m_filePath; }
    const ChmFile &document() const { return m_document; }
    bool isDocumentOpen() const { return m_document.isOpen(); }
    // Why the document could not be opened; empty when it is open.
    QString errorText() const { return m_error; }
    // True from the moment the window is closed until it is deleted.
    bool isClosing() const { return m_closing; }

    // The home page with the contents tab.
    void showContents();
    // The index tab with an empty search box, focused, ready for typing.
    void showIndex();
    // The page on using the viewer.
    void showHelpOnHelp();
    // A page of the document ("sub/page.htm#anchor").
    void showPage(const QString &local);
    // Find in page (Ctrl+F).
    void openFindBar();

    QUrl currentUrl() const;
    // The container path of the page shown; empty for the viewer's own pages.
    QString currentPage() const;
    Tab currentTab() const;
    static QUrl helpOnHelpUrl();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    void buildToolBar();
    QAction *addTool(QToolBar *toolBar, const QString &text, const QIcon &icon, const QList<QKeySequence> &keys,
                     const char *name, void (DocumentViewer::*handler)());
    QWidget *buildContentsTree();
    QWidget *buildIndexPage();
    QWidget *buildPagePanel();
    void addFindKey(QKeySequence::StandardKey key, bool (FindBar::*step)());
    void connectControls();
    void buildContents();
    void buildIndex();
    void followLink(const QUrl &link);
    void openIndexEntry();
    void selectContentsItemFor(const QUrl &url);
    QString linkDescription(const QUrl &link) const;

    void ContentsTreeChange();
    void ContentsTreeActivate();
    void IndexSearchChange();
    void IndexSearchReturn();
    void IndexListActivate();
    void IndexShowButtonClick();
    void BackButtonClick();
    void ForwardButtonClick();
    void HomeButtonClick();
    void FindButtonClick();
    void HelpOnHelpButtonClick();
    void PageBrowserSourceChange(const QUrl &url);

    QString m_filePath;
    ChmFile m_document;
    QString m_error;
    bool m_closing = false;

    QSplitter *m_splitter = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTreeWidget *m_contents = nullptr;
    QLineEdit *m_indexSearch = nullptr;
    QListWidget *m_indexList = nullptr;
    QPushButton *m_indexShow = nullptr;
    PageBrowser *m_browser = nullptr;
    FindBar *m_findBar = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QAction *m_home = nullptr;
    QHash<QString, QTreeWidgetItem *> m_itemByPage;
};
