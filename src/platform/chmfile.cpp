#include "platform/chmfile.h"

#include "platform/chmcheck.h"
#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/htmltext.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <chm_lib.h>

namespace {

// No entry of a help document comes near this; larger sizes mean a damaged directory.
constexpr LONGUINT64 kMaxEntryLength = 64ull * 1024 * 1024;

struct Listing {
    QStringList paths;
    QSet<QString> seen;

    // Files only: no folders, no internal "#" and "$" objects, no "::" storage.
    void add(const QByteArray &raw)
    {
        if (!raw.startsWith('/') || raw.endsWith('/'))
            return;
        const QString path = QString::fromUtf8(raw);
        if (path.startsWith(QLatin1String("/#")) || path.startsWith(QLatin1String("/$")))
            return;
        if (paths.size() < 1000000 && !seen.contains(path)) {
            seen.insert(path);
            paths.append(path);
        }
    }
};

int collect(chmFile *, chmUnitInfo *unit, void *context)
{
    static_cast<Listing *>(context)->add(QByteArray(unit->path, qsizetype(qstrnlen(unit->path, CHM_MAX_PATHLEN))));
    return CHM_ENUMERATOR_CONTINUE;
}

bool isPage(const QString &path)
{
    return path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

QString zeroTerminated(const QByteArray &bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return HtmlText::decodeText(zero < 0 ? bytes : bytes.left(zero)).trimmed();
}

} // namespace

ChmFile::ChmFile() = default;

ChmFile::~ChmFile()
{
    close();
}

void ChmFile::close()
{
    if (m_handle)
        chm_close(m_handle);
    m_handle = nullptr;
    m_entries.clear();
    m_byLowerPath.clear();
    m_title.clear();
    m_homePage.clear();
    m_defaultTopic.clear();
    m_contentsFile.clear();
    m_indexFile.clear();
    m_contents.clear();
    m_index.clear();
}

QString ChmFile::open(const QString &path)
{
    close();
    m_path = path;
    if (path.isEmpty())
        return QStringLiteral("Имя документа не задано.");
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Файл %1 не найден.").arg(path);
    if (info.isDir())
        return QStringLiteral("%1 — это папка, а не документ справки.").arg(path);
    QFile file;
    try {
        ContentFile::open(file, path, path, ContentFile::kMaxHelpFile);
    } catch (const ContentError &error) {
        return error.message();
    }
    const ChmCheck::Result check = ChmCheck::check(file);
    file.close();
    if (check.verdict == ChmCheck::Verdict::NotChm)
        return QStringLiteral("Файл %1 не является документом справки (CHM).").arg(path);
    if (check.verdict == ChmCheck::Verdict::Damaged)
        return QStringLiteral("Документ %1 повреждён (%2) и не может быть открыт.").arg(path, check.reason);

    m_handle = chm_open(QFile::encodeName(path).constData());
    if (!m_handle)
        return QStringLiteral("Документ %1 повреждён и не может быть открыт.").arg(path);

    // The library lists from the header's first listing chunk, which chmcmd
    // writes wrong for directories of several chunks; the check has read them all.
    Listing listing;
    for (const QByteArray &name : check.names)
        listing.add(name);
    chm_enumerate(m_handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collect, &listing);
    m_entries = listing.paths;
    m_byLowerPath.reserve(m_entries.size());
    for (const QString &entry : std::as_const(m_entries))
        m_byLowerPath.insert(entry.toLower(), entry);

    readSystem();
    if (m_contentsFile.isEmpty() || !contains(m_contentsFile)) {
        const auto found = std::find_if(m_entries.cbegin(), m_entries.cend(), [](const QString &entry) {
            return entry.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive);
        });
        m_contentsFile = found == m_entries.cend() ? QString() : *found;
    }
    if (m_indexFile.isEmpty() || !contains(m_indexFile)) {
        const auto found = std::find_if(m_entries.cbegin(), m_entries.cend(), [](const QString &entry) {
            return entry.endsWith(QLatin1String(".hhk"), Qt::CaseInsensitive);
        });
        m_indexFile = found == m_entries.cend() ? QString() : *found;
    }
    if (!m_contentsFile.isEmpty()) {
        if (const auto bytes = read(m_contentsFile))
            m_contents = Sitemap::parse(*bytes);
    }
    if (!m_indexFile.isEmpty()) {
        if (const auto bytes = read(m_indexFile)) {
            m_index = Sitemap::flatten(Sitemap::parse(*bytes));
            std::stable_sort(m_index.begin(), m_index.end(), [](const Sitemap::Entry &a, const Sitemap::Entry &b) {
                return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
            });
        }
    }
    if (m_title.isEmpty())
        readProjectTitle();
    if (m_title.isEmpty() && !m_contents.isEmpty())
        m_title = m_contents.first().name;
    chooseHomePage();
    return QString();
}

QString ChmFile::normalizedPath(const QString &path)
{
    QString text = path;
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts;
    for (const QString &part : text.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

QString ChmFile::pagePath(const QString &local)
{
    QString path = local.trimmed();
    // References into a container, "ms-its:file.chm::/page.htm", keep the part after "::".
    const qsizetype inner = path.indexOf(QLatin1String("::"));
    if (inner >= 0)
        path = path.mid(inner + 2);
    const qsizetype anchor = path.indexOf(QLatin1Char('#'));
    if (anchor >= 0)
        path.truncate(anchor);
    return normalizedPath(path);
}

QString ChmFile::actualPath(const QString &path) const
{
    if (!m_handle)
        return QString();
    const QString normalized = normalizedPath(path);
    return m_byLowerPath.value(normalized.toLower());
}

std::optional<QByteArray> ChmFile::readExact(const QString &actual) const
{
    chmUnitInfo unit{};
    const QByteArray name = actual.toUtf8();
    if (name.size() > CHM_MAX_PATHLEN)
        return std::nullopt;
    if (chm_resolve_object(m_handle, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > kMaxEntryLength)
        return std::nullopt;
    QByteArray bytes(qsizetype(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return bytes;
    const LONGINT64 got = chm_retrieve_object(m_handle, &unit, reinterpret_cast<unsigned char *>(bytes.data()), 0,
                                              LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> ChmFile::read(const QString &path) const
{
    if (!m_handle)
        return std::nullopt;
    const QString actual = actualPath(path);
    if (!actual.isEmpty())
        return readExact(actual);
    // Internal objects ("/#SYSTEM") are not listed among the entries.
    const QString normalized = normalizedPath(path);
    if (normalized.startsWith(QLatin1String("/#")) || normalized.startsWith(QLatin1String("/$")))
        return readExact(normalized);
    return std::nullopt;
}

void ChmFile::readSystem()
{
    const auto bytes = read(QStringLiteral("/#SYSTEM"));
    if (!bytes)
        return;
    // A version number, then records: a 16-bit code, a 16-bit length, the data.
    const QByteArray &data = *bytes;
    qsizetype at = 4;
    while (at + 4 <= data.size()) {
        const int code = quint8(data[at]) | (quint8(data[at + 1]) << 8);
        const int length = quint8(data[at + 2]) | (quint8(data[at + 3]) << 8);
        at += 4;
        if (length > data.size() - at)
            break;
        const QByteArray value = data.mid(at, length);
        at += length;
        switch (code) {
        case 0:
            m_contentsFile = normalizedPath(zeroTerminated(value));
            break;
        case 1:
            m_indexFile = normalizedPath(zeroTerminated(value));
            break;
        case 2:
            m_defaultTopic = zeroTerminated(value);
            break;
        case 3:
            m_title = zeroTerminated(value);
            break;
        default:
            break;
        }
    }
    if (m_contentsFile == QLatin1String("/"))
        m_contentsFile.clear();
    if (m_indexFile == QLatin1String("/"))
        m_indexFile.clear();
}

void ChmFile::readProjectTitle()
{
    for (const QString &entry : std::as_const(m_entries)) {
        if (!entry.endsWith(QLatin1String(".hhp"), Qt::CaseInsensitive))
            continue;
        const auto bytes = read(entry);
        if (!bytes)
            continue;
        for (const QString &line : HtmlText::decodeText(*bytes).split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1String("Title="), Qt::CaseInsensitive)) {
                m_title = trimmed.mid(6).trimmed();
                return;
            }
        }
    }
}

void ChmFile::chooseHomePage()
{
    if (!m_defaultTopic.isEmpty() && contains(pagePath(m_defaultTopic))) {
        m_homePage = normalizedPath(m_defaultTopic);
        return;
    }
    if (const Sitemap::Entry *first = Sitemap::firstPage(m_contents)) {
        if (contains(pagePath(first->local))) {
            m_homePage = normalizedPath(first->local);
            return;
        }
    }
    for (const char *name : {"/index.htm", "/index.html"}) {
        const QString actual = actualPath(QString::fromLatin1(name));
        if (!actual.isEmpty()) {
            m_homePage = actual;
            return;
        }
    }
    const auto page = std::find_if(m_entries.cbegin(), m_entries.cend(), isPage);
    m_homePage = page == m_entries.cend() ? QString() : *page;
}
