#pragma once

#include <QTextBrowser>
#include <QUrl>

class ChmFile;

// The page area of the document viewer: pages, pictures and stylesheets come
// from the compiled help container (URLs "chm:///folder/page.htm"), the
// viewer's own pages from the program's resources ("qrc:/...").
class PageBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit PageBrowser(const ChmFile *container, QWidget *parent = nullptr);

    static QString scheme();
    // The URL of a container path, which may carry an anchor ("sub/page.htm#a").
    static QUrl pageUrl(const QString &local);
    // A link of the current page made absolute: relative links are taken against
    // the page, references into a container ("ms-its:x.chm::/p.htm") become page URLs.
    QUrl resolve(const QUrl &link) const;
    // The container path of the page shown; empty for the viewer's own pages and messages.
    QString currentPage() const;

    // A page of text shown in place of a document page (not recorded in the history).
    void showMessage(const QString &heading, const QString &text);
    static QString messageHtml(const QString &heading, const QString &text);

    // Only the container's entries and the program's own resources are
    // loaded; any other address (a local file, a device, the network) is
    // refused: a missing picture, an empty stylesheet, a page naming the link.
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QVariant containerResource(int type, const QUrl &url);
    QVariant programResource(int type, const QUrl &url);
    static QVariant refused(int type, const QUrl &url);

    const ChmFile *m_document;
    QUrl m_base;
};
