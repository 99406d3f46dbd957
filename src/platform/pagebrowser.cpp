#include "platform/pagebrowser.h"

#include "platform/chmfile.h"
#include "platform/htmltext.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

bool isPicture(const QString &path)
{
    static const QStringList suffixes = {QStringLiteral(".png"),  QStringLiteral(".gif"), QStringLiteral(".jpg"),
                                         QStringLiteral(".jpeg"), QStringLiteral(".bmp"), QStringLiteral(".svg")};
    for (const QString &suffix : suffixes) {
        if (path.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The rich-text engine reads a linked stylesheet only when the link names its
// type, which newer pages leave out.
QString withStylesheetTypes(const QString &html)
{
    static const QRegularExpression link(QStringLiteral("<link\\b[^>]*>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression type(QStringLiteral("\\btype\\s*="), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression stylesheet(QStringLiteral("\\brel\\s*=\\s*[\"']?stylesheet"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (!html.contains(QLatin1String("<link"), Qt::CaseInsensitive))
        return html;
    QString out;
    qsizetype last = 0;
    QRegularExpressionMatchIterator it = link.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString tag = match.captured();
        out += QStringView(html).mid(last, match.capturedStart() - last);
        if (tag.contains(stylesheet) && !tag.contains(type))
            out += QStringLiteral("<link type=\"text/css\"") + QStringView(tag).mid(5);
        else
            out += tag;
        last = match.capturedEnd();
    }
    out += QStringView(html).mid(last);
    return out;
}

} // namespace

PageBrowser::PageBrowser(const ChmFile *container, QWidget *parent)
    : QTextBrowser(parent)
    , m_document(container)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(14);
}

QString PageBrowser::scheme()
{
    return QStringLiteral("chm");
}

QUrl PageBrowser::pageUrl(const QString &local)
{
    QString path = local.trimmed();
    QString fragment;
    const qsizetype anchor = path.indexOf(QLatin1Char('#'));
    if (anchor >= 0) {
        fragment = path.mid(anchor + 1);
        path.truncate(anchor);
    }
    QUrl url;
    url.setScheme(scheme());
    url.setPath(ChmFile::normalizedPath(path), QUrl::DecodedMode);
    if (!fragment.isEmpty())
        url.setFragment(fragment, QUrl::DecodedMode);
    return url;
}

QUrl PageBrowser::resolve(const QUrl &link) const
{
    const QString text = link.toString();
    const qsizetype inner = text.indexOf(QLatin1String("::"));
    const QString linkScheme = link.scheme().toLower();
    if (inner >= 0 && (linkScheme == QLatin1String("ms-its") || linkScheme == QLatin1String("its") ||
                       linkScheme == QLatin1String("mk"))) {
        return pageUrl(QUrl::fromPercentEncoding(text.mid(inner + 2).toUtf8()));
    }
    if (!link.isRelative())
        return link;
    QUrl resolved = m_base.isValid() ? m_base.resolved(link) : link;
    if (resolved.scheme() == scheme())
        resolved.setPath(ChmFile::normalizedPath(resolved.path(QUrl::FullyDecoded)), QUrl::DecodedMode);
    return resolved;
}

QString PageBrowser::currentPage() const
{
    const QUrl url = source();
    if (url.scheme() != scheme())
        return QString();
    return ChmFile::normalizedPath(url.path(QUrl::FullyDecoded));
}

QString PageBrowser::messageHtml(const QString &heading, const QString &text)
{
    return QStringLiteral("<html><body><h2 style=\"color:#8b1a1a\">%1</h2><p>%2</p></body></html>")
        .arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
}

void PageBrowser::showMessage(const QString &heading, const QString &text)
{
    m_base = QUrl();
    setHtml(messageHtml(heading, text));
}

QVariant PageBrowser::refused(int type, const QUrl &url)
{
    // Never an empty variant: the text engine would then read the address
    // itself, a local file included.
    switch (type) {
    case QTextDocument::HtmlResource:
        return messageHtml(
            QStringLiteral("Ссылка за пределы документа"),
            QStringLiteral("Ссылка %1 ведёт за пределы документа и не открывается.").arg(url.toString()));
    case QTextDocument::ImageResource:
        return QImage(); // shown as a missing picture
    case QTextDocument::StyleSheetResource:
        return QString();
    default:
        return QByteArray();
    }
}

QVariant PageBrowser::loadResource(int type, const QUrl &name)
{
    const QUrl url = resolve(name);
    QVariant resource;
    if (url.scheme() == scheme())
        resource = containerResource(type, url);
    else if (url.scheme() == QLatin1String("qrc"))
        resource = programResource(type, url);
    return resource.isNull() ? refused(type, url) : resource;
}

QVariant PageBrowser::containerResource(int type, const QUrl &url)
{
    const QString path = ChmFile::normalizedPath(url.path(QUrl::FullyDecoded));
    const std::optional<QByteArray> bytes = m_document ? m_document->read(path) : std::nullopt;
    if (type == QTextDocument::HtmlResource) {
        m_base = url;
        if (!bytes) {
            return messageHtml(QStringLiteral("Страница не найдена"),
                               QStringLiteral("В документе нет страницы %1 или её не удалось прочитать.").arg(path));
        }
        if (isPicture(path))
            return QStringLiteral("<html><body><img src=\"%1\"></body></html>").arg(url.toString().toHtmlEscaped());
        if (!path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) &&
            !path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
            return QStringLiteral("<html><body><pre>%1</pre></body></html>")
                .arg(HtmlText::decodeText(*bytes).toHtmlEscaped());
        }
        return withStylesheetTypes(HtmlText::decodePage(*bytes));
    }
    if (!bytes)
        return QVariant();
    if (type == QTextDocument::ImageResource) {
        QImage image;
        if (!image.loadFromData(*bytes))
            return QVariant();
        return image;
    }
    if (type == QTextDocument::StyleSheetResource)
        return HtmlText::decodeText(*bytes);
    return *bytes;
}

QVariant PageBrowser::programResource(int type, const QUrl &url)
{
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly))
        return QVariant();
    const QByteArray bytes = file.readAll();
    if (type == QTextDocument::HtmlResource) {
        m_base = url;
        return QString::fromUtf8(bytes);
    }
    if (type == QTextDocument::ImageResource) {
        QImage image;
        image.loadFromData(bytes);
        return image;
    }
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(bytes);
    return bytes;
}
