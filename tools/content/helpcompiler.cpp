#include "helpcompiler.h"

#include "chmdirectory.h"
#include "sourcetext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

namespace HelpCompiler {

QString Contents::homePage() const
{
    for (const TocEntry &entry : entries) {
        if (!entry.target.isEmpty())
            return entry.target.section(QLatin1Char('#'), 0, 0);
    }
    return QString();
}

namespace {

bool skippedName(const QString &name)
{
    return name.startsWith(QLatin1Char('_')) || name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('~'));
}

// "Title | target" split at the last bar; nullopt when the line has no bar.
std::optional<std::pair<QString, QString>> splitAtBar(const QString &line)
{
    const qsizetype bar = line.lastIndexOf(QLatin1Char('|'));
    if (bar < 0)
        return std::nullopt;
    return std::pair(line.left(bar).trimmed(), line.mid(bar + 1).trimmed());
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

const char kSitemapHead[] = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n"
                            "<HTML>\n<HEAD>\n"
                            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                            "<meta charset=\"utf-8\">\n"
                            "<meta name=\"GENERATOR\" content=\"shinovedenie_content\">\n"
                            "</HEAD>\n<BODY>\n";

QString sitemapItem(const QString &name, const QString &target)
{
    QString item = QStringLiteral("<LI><OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"") + escaped(name) +
                   QStringLiteral("\">\n");
    if (!target.isEmpty())
        item += QStringLiteral("<param name=\"Local\" value=\"") + escaped(target) + QStringLiteral("\">\n");
    return item + QStringLiteral("</OBJECT>\n");
}

} // namespace

Built<Contents> parseContents(const QByteArray &source, const QString &fileName)
{
    Built<Contents> result;
    SourceReport &report = result.report;
    Contents &contents = result.value;
    const QStringList lines = SourceText::lines(source, fileName, report);
    bool titleSeen = false;
    int previousLevel = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const QString &raw = lines[i];
        if (raw.trimmed().isEmpty() || SourceText::isComment(raw))
            continue;
        if (!titleSeen) {
            titleSeen = true;
            if (!raw.startsWith(QStringLiteral("title:")) || raw.mid(6).trimmed().isEmpty()) {
                report.error(fileName, lineNumber,
                             QStringLiteral("the first line must be \"title: Title of the document\""));
                continue;
            }
            contents.title = raw.mid(6).trimmed();
            continue;
        }
        qsizetype indent = 0;
        while (indent < raw.size() && raw[indent] == QLatin1Char(' '))
            ++indent;
        if (indent < raw.size() && raw[indent] == QLatin1Char('\t')) {
            report.error(fileName, lineNumber, QStringLiteral("a tab in the indent; indent by two spaces per level"));
            continue;
        }
        if (indent % 2) {
            report.error(fileName, lineNumber, QStringLiteral("an odd indent; indent by two spaces per level"));
            continue;
        }
        const int level = int(indent / 2);
        if (level > previousLevel + 1) {
            report.error(fileName, lineNumber,
                         previousLevel < 0
                             ? QStringLiteral("the first entry must not be indented")
                             : QStringLiteral("indented more than one level deeper than the entry above"));
            continue;
        }
        TocEntry entry;
        entry.line = lineNumber;
        entry.level = level;
        const QString text = raw.trimmed();
        if (const auto parts = splitAtBar(text)) {
            entry.title = parts->first;
            entry.target = parts->second;
            if (entry.target.isEmpty()) {
                report.error(fileName, lineNumber, QStringLiteral("no page after \"|\""));
                continue;
            }
        } else {
            entry.title = text;
        }
        if (entry.title.isEmpty()) {
            report.error(fileName, lineNumber, QStringLiteral("an entry without a title"));
            continue;
        }
        contents.entries.append(entry);
        previousLevel = level;
    }
    if (!titleSeen)
        report.error(fileName, 0,
                     QStringLiteral("empty contents: the first line must be \"title: Title of the document\""));
    for (qsizetype i = 0; i < contents.entries.size(); ++i) {
        const TocEntry &entry = contents.entries[i];
        const bool hasChildren = i + 1 < contents.entries.size() && contents.entries[i + 1].level > entry.level;
        if (entry.target.isEmpty() && !hasChildren)
            report.error(fileName, entry.line,
                         QStringLiteral("heading \"%1\" has no entries under it").arg(entry.title));
    }
    if (titleSeen && contents.homePage().isEmpty())
        report.error(fileName, 0, QStringLiteral("no page listed (the first page listed is the home page)"));
    return result;
}

Built<QList<IndexEntry>> parseIndex(const QByteArray &source, const QString &fileName)
{
    Built<QList<IndexEntry>> result;
    const QStringList lines = SourceText::lines(source, fileName, result.report);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const QString text = lines[i].trimmed();
        if (text.isEmpty() || SourceText::isComment(text))
            continue;
        const auto parts = splitAtBar(text);
        if (!parts || parts->first.isEmpty() || parts->second.isEmpty()) {
            result.report.error(fileName, lineNumber, QStringLiteral("expected \"keyword | page.html\""));
            continue;
        }
        result.value.append(IndexEntry{lineNumber, parts->first, parts->second});
    }
    return result;
}

void checkTargets(const Contents &contents, const QList<IndexEntry> &index, const QString &contentsFile,
                  const QString &indexFile, const QStringList &files, const PageReader &reader, SourceReport &report)
{
    QMap<QString, QByteArray> pages; // read once each
    // A missing page is reported once per list, naming every line that wants it.
    QMap<std::pair<QString, QString>, qsizetype> missing;
    auto check = [&](const QString &fileName, int line, const QString &target) {
        const QString page = target.section(QLatin1Char('#'), 0, 0);
        const QString anchor = target.contains(QLatin1Char('#')) ? target.section(QLatin1Char('#'), 1) : QString();
        if (!page.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) &&
            !page.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive)) {
            report.error(fileName, line, QStringLiteral("\"%1\" is not an HTML page").arg(target));
            return;
        }
        if (!files.contains(page)) {
            const std::pair<QString, QString> key(fileName, page);
            if (missing.contains(key)) {
                SourceError &first = report.errors[missing[key]];
                first.what +=
                    (first.what.contains(QStringLiteral("; also on line")) ? QStringLiteral(", ")
                                                                           : QStringLiteral("; also on line ")) +
                    QString::number(line);
                return;
            }
            missing.insert(key, report.errors.size());
            QString hint;
            for (const QString &file : files) {
                if (file.compare(page, Qt::CaseInsensitive) == 0)
                    hint = QStringLiteral(" (there is \"%1\"; letter case matters)").arg(file);
            }
            report.error(fileName, line, QStringLiteral("page \"%1\" is not in the help folder%2").arg(page, hint));
            return;
        }
        if (anchor.isEmpty())
            return;
        if (!pages.contains(page))
            pages.insert(page, reader(page).value_or(QByteArray()));
        const QRegularExpression defined(QStringLiteral("\\b(?:id|name)\\s*=\\s*[\"']?") +
                                         QRegularExpression::escape(anchor) + QStringLiteral("[\"'\\s>]"));
        if (!defined.match(QString::fromUtf8(pages.value(page))).hasMatch())
            report.error(fileName, line, QStringLiteral("anchor \"%1\" is not defined in \"%2\"").arg(anchor, page));
    };
    for (const TocEntry &entry : contents.entries) {
        if (!entry.target.isEmpty())
            check(contentsFile, entry.line, entry.target);
    }
    for (const IndexEntry &entry : index)
        check(indexFile, entry.line, entry.target);
}

QByteArray contentsSitemap(const Contents &contents)
{
    QString text = QString::fromLatin1(kSitemapHead);
    text += QStringLiteral("<OBJECT type=\"text/site properties\">\n<param name=\"ImageType\" value=\"Folder\">\n"
                           "</OBJECT>\n<UL>\n");
    int depth = 0;
    for (const TocEntry &entry : contents.entries) {
        for (; depth < entry.level; ++depth)
            text += QStringLiteral("<UL>\n");
        for (; depth > entry.level; --depth)
            text += QStringLiteral("</UL>\n");
        text += sitemapItem(entry.title, entry.target);
    }
    for (; depth > 0; --depth)
        text += QStringLiteral("</UL>\n");
    text += QStringLiteral("</UL>\n</BODY>\n</HTML>\n");
    return text.toUtf8();
}

QByteArray indexSitemap(const QList<IndexEntry> &index)
{
    QList<IndexEntry> sorted = index;
    std::stable_sort(sorted.begin(), sorted.end(), [](const IndexEntry &a, const IndexEntry &b) {
        return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
    });
    QString text = QString::fromLatin1(kSitemapHead) + QStringLiteral("<UL>\n");
    for (const IndexEntry &entry : sorted)
        text += sitemapItem(entry.keyword, entry.target);
    text += QStringLiteral("</UL>\n</BODY>\n</HTML>\n");
    return text.toUtf8();
}

QByteArray projectFile(const Contents &contents, const QStringList &files)
{
    QString text = QStringLiteral("[OPTIONS]\n"
                                  "Compatibility=1.1 or later\n"
                                  "Compiled file=%1\n"
                                  "Contents file=%2\n"
                                  "Index file=%3\n"
                                  "Default topic=%4\n"
                                  "Display compile progress=No\n"
                                  "Language=0x419\n"
                                  "Title=%5\n"
                                  "\n[FILES]\n")
                       .arg(QLatin1String(CompiledFile), QLatin1String(ContentsSitemap), QLatin1String(IndexSitemap),
                            contents.homePage(), contents.title);
    for (const QString &file : files)
        text += file + QLatin1Char('\n');
    return text.toUtf8();
}

Built<Folder> readFolder(const QString &folder)
{
    Built<Folder> result;
    SourceReport &report = result.report;
    Folder &value = result.value;
    const QDir dir(folder);
    const QString contentsFile = dir.filePath(QLatin1String(ContentsList));
    const QString indexFile = dir.filePath(QLatin1String(IndexList));

    QStringList pending{folder};
    while (!pending.isEmpty()) {
        const QDir current(pending.takeFirst());
        const QFileInfoList entries =
            current.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QFileInfo &info : entries) {
            if (skippedName(info.fileName()))
                continue;
            if (info.isDir()) {
                pending.append(info.filePath());
                continue;
            }
            const QString relative = dir.relativeFilePath(info.filePath());
            if (relative == QLatin1String(ContentsList) || relative == QLatin1String(IndexList))
                continue;
            for (const char *reserved : {ContentsSitemap, IndexSitemap, ProjectFile, CompiledFile}) {
                if (relative.compare(QLatin1String(reserved), Qt::CaseInsensitive) == 0)
                    report.error(info.filePath(), 0,
                                 QStringLiteral("the name \"%1\" is made by the build; rename the file").arg(relative));
            }
            value.files.append(relative);
        }
    }
    value.files.sort();

    auto readAll = [](const QString &path) -> std::optional<QByteArray> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    };
    const std::optional<QByteArray> toc = readAll(contentsFile);
    if (!toc) {
        report.error(contentsFile, 0, QStringLiteral("missing: a help folder needs its contents list toc.txt"));
        return result;
    }
    const Built<Contents> contents = parseContents(*toc, contentsFile);
    report.append(contents.report);
    value.contents = contents.value;
    if (const std::optional<QByteArray> index = readAll(indexFile)) {
        const Built<QList<IndexEntry>> entries = parseIndex(*index, indexFile);
        report.append(entries.report);
        value.index = entries.value;
    }
    checkTargets(
        value.contents, value.index, contentsFile, indexFile, value.files,
        [&](const QString &page) { return readAll(dir.filePath(page)); }, report);
    return result;
}

QString compilerPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
}

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

Built<QByteArray> compile(const QString &folder)
{
    Built<QByteArray> result;
    SourceReport &report = result.report;
    const Built<Folder> read = readFolder(folder);
    report = read.report;
    if (!read.ok())
        return result;
    const Folder &help = read.value;

    const QString compiler = compilerPath();
    if (compiler.isEmpty()) {
        report.error(folder, 0, QStringLiteral("chmcmd is not installed (it comes with fp-utils)"));
        return result;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        report.error(folder, 0, QStringLiteral("cannot make a temporary folder: %1").arg(work.errorString()));
        return result;
    }
    const QDir source(folder);
    const QDir target(work.path());
    for (const QString &file : help.files) {
        target.mkpath(QFileInfo(file).path());
        if (!QFile::copy(source.filePath(file), target.filePath(file))) {
            report.error(source.filePath(file), 0, QStringLiteral("cannot copy the file for compiling"));
            return result;
        }
    }
    if (!writeFile(target.filePath(QLatin1String(ContentsSitemap)), contentsSitemap(help.contents)) ||
        !writeFile(target.filePath(QLatin1String(IndexSitemap)), indexSitemap(help.index)) ||
        !writeFile(target.filePath(QLatin1String(ProjectFile)), projectFile(help.contents, help.files))) {
        report.error(folder, 0, QStringLiteral("cannot write the help project files"));
        return result;
    }

    QProcess process;
    process.setWorkingDirectory(work.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(compiler, {QLatin1String(ProjectFile)});
    const bool finished = process.waitForStarted(10000) && process.waitForFinished(120000);
    const QString output = QString::fromLocal8Bit(process.readAll());
    for (const QString &line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QStringLiteral("Warning:")))
            report.warning(folder, 0, QStringLiteral("chmcmd: ") + line.mid(8).trimmed());
    }
    const QString compiledPath = target.filePath(QLatin1String(CompiledFile));
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !QFileInfo::exists(compiledPath)) {
        report.error(folder, 0, QStringLiteral("chmcmd failed: %1").arg(output.trimmed()));
        return result;
    }
    QFile compiled(compiledPath);
    if (!compiled.open(QIODevice::ReadOnly)) {
        report.error(folder, 0, QStringLiteral("cannot read the file made by chmcmd"));
        return result;
    }
    result.value = compiled.readAll();

    // Make sure nothing was left out of the compiled file.
    const std::optional<QStringList> stored = ChmDirectory::list(result.value);
    if (!stored) {
        report.error(folder, 0, QStringLiteral("chmcmd made a file that is not a readable compiled help file"));
        result.value.clear();
        return result;
    }
    QStringList expected = help.files;
    expected << QLatin1String(ContentsSitemap) << QLatin1String(IndexSitemap);
    for (const QString &file : expected) {
        if (!stored->contains(QLatin1Char('/') + file)) {
            report.error(folder, 0, QStringLiteral("the compiled file lacks \"%1\"").arg(file));
            result.value.clear();
        }
    }
    return result;
}

} // namespace HelpCompiler
