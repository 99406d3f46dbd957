#include "platform/sitemap.h"

#include "platform/htmltext.h"

#include <QHash>
#include <vector>

namespace Sitemap {

namespace {

constexpr int kMaxDepth = 32;
// Bounds on what a list holds, far beyond any real document, so that a
// hostile list cannot fill memory or the viewer's tree.
constexpr qsizetype kMaxEntries = 20000;
constexpr qsizetype kMaxLocals = 64;
constexpr qsizetype kMaxText = 1024;
// A character reference is at most ten characters, so a value longer than
// this cannot decode to fewer than kMaxText characters.
constexpr qsizetype kMaxRawValue = kMaxText * 10;

QString bounded(const QString &text)
{
    return text.size() > kMaxText ? text.left(kMaxText) : text;
}

struct Node {
    Entry entry;
    int level = 0;
    std::vector<int> children;
};

QHash<QString, QString> attributes(QStringView text)
{
    QHash<QString, QString> result;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && (text[i].isSpace() || text[i] == QLatin1Char('/')))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && !text[i].isSpace() && text[i] != QLatin1Char('=') && text[i] != QLatin1Char('/'))
            ++i;
        const QString name = text.mid(nameStart, i - nameStart).toString().toLower();
        while (i < n && text[i].isSpace())
            ++i;
        QString value;
        if (i < n && text[i] == QLatin1Char('=')) {
            ++i;
            while (i < n && text[i].isSpace())
                ++i;
            if (i < n && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\''))) {
                const QChar quote = text[i++];
                const qsizetype start = i;
                while (i < n && text[i] != quote)
                    ++i;
                value = text.mid(start, i - start).toString();
                if (i < n)
                    ++i;
            } else {
                const qsizetype start = i;
                while (i < n && !text[i].isSpace())
                    ++i;
                value = text.mid(start, i - start).toString();
            }
        }
        if (!name.isEmpty())
            result.insert(name, HtmlText::decodeEntities(value.left(kMaxRawValue)));
        if (i == nameStart)
            ++i;
    }
    return result;
}

// The end of a tag that starts at from: the first '>' outside quotes; when a
// quote is never closed, the first '>' at all.
qsizetype tagEnd(const QString &html, qsizetype from)
{
    QChar quote;
    for (qsizetype k = from; k < html.size(); ++k) {
        const QChar c = html[k];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else if (c == QLatin1Char('\n') || c == QLatin1Char('<'))
                return html.indexOf(QLatin1Char('>'), from);
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return k;
        }
    }
    return html.indexOf(QLatin1Char('>'), from);
}

Entry build(const std::vector<Node> &nodes, int index)
{
    Entry entry = nodes[size_t(index)].entry;
    for (int child : nodes[size_t(index)].children)
        entry.children.append(build(nodes, child));
    return entry;
}

void flattenInto(const QList<Entry> &entries, const QString &prefix, QList<Entry> &out)
{
    for (const Entry &entry : entries) {
        Entry flat = entry;
        flat.children.clear();
        if (!prefix.isEmpty())
            flat.name = bounded(prefix + QStringLiteral(", ") + entry.name);
        out.append(flat);
        flattenInto(entry.children, flat.name, out);
    }
}

} // namespace

QList<Entry> parse(const QString &html)
{
    std::vector<Node> nodes;
    std::vector<int> roots;
    std::vector<int> stack;
    int depth = 0;
    bool inObject = false;
    Node current;

    auto finish = [&] {
        if (!inObject)
            return;
        inObject = false;
        if (current.entry.name.isEmpty())
            current.entry.name = current.entry.local;
        if (current.entry.name.isEmpty() || qsizetype(nodes.size()) >= kMaxEntries)
            return;
        while (!stack.empty() && nodes[size_t(stack.back())].level >= current.level)
            stack.pop_back();
        const int index = int(nodes.size());
        nodes.push_back(current);
        if (stack.empty())
            roots.push_back(index);
        else
            nodes[size_t(stack.back())].children.push_back(index);
        stack.push_back(index);
    };

    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        i = html.indexOf(QLatin1Char('<'), i);
        if (i < 0)
            break;
        if (QStringView(html).mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        qsizetype j = i + 1;
        const bool closing = j < n && html[j] == QLatin1Char('/');
        if (closing)
            ++j;
        const qsizetype nameStart = j;
        while (j < n && (html[j].isLetterOrNumber()))
            ++j;
        const QString tag = html.mid(nameStart, j - nameStart).toLower();
        const qsizetype end = tagEnd(html, j);
        const qsizetype stop = end < 0 ? n : end;
        const QStringView attributeText = QStringView(html).mid(j, stop - j);
        i = stop + 1;

        if (tag == QLatin1String("ul")) {
            depth = closing ? qMax(0, depth - 1) : depth + 1;
        } else if (tag == QLatin1String("object")) {
            finish();
            if (!closing) {
                const QString type = attributes(attributeText).value(QStringLiteral("type")).trimmed();
                if (type.compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0) {
                    inObject = true;
                    current = Node();
                    current.level = qMin(depth, kMaxDepth);
                }
            }
        } else if (tag == QLatin1String("param") && inObject && !closing) {
            const QHash<QString, QString> attrs = attributes(attributeText);
            const QString name = attrs.value(QStringLiteral("name")).trimmed().toLower();
            const QString value = attrs.value(QStringLiteral("value")).trimmed();
            if (name == QLatin1String("name")) {
                if (current.entry.name.isEmpty())
                    current.entry.name = bounded(value);
            } else if (name == QLatin1String("local")) {
                if (!value.isEmpty() && current.entry.locals.size() < kMaxLocals) {
                    if (current.entry.locals.isEmpty())
                        current.entry.local = bounded(value);
                    current.entry.locals.append(bounded(value));
                }
            }
        }
    }
    finish();

    QList<Entry> result;
    result.reserve(qsizetype(roots.size()));
    for (int root : roots)
        result.append(build(nodes, root));
    return result;
}

QList<Entry> parse(const QByteArray &bytes)
{
    return parse(HtmlText::decodeText(bytes));
}

QList<Entry> flatten(const QList<Entry> &entries)
{
    QList<Entry> out;
    flattenInto(entries, QString(), out);
    return out;
}

const Entry *firstPage(const QList<Entry> &entries)
{
    for (const Entry &entry : entries) {
        if (!entry.local.isEmpty())
            return &entry;
        if (const Entry *found = firstPage(entry.children))
            return found;
    }
    return nullptr;
}

int count(const QList<Entry> &entries)
{
    int total = 0;
    for (const Entry &entry : entries)
        total += 1 + count(entry.children);
    return total;
}

} // namespace Sitemap
