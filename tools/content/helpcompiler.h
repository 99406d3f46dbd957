#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Help projects (X.hlp.d/, X.chm.d/ -> X.hlp, X.chm): a folder of HTML pages and
// pictures with the lists toc.txt and index.txt, compiled with chmcmd. The
// compiled file stores every page and picture, the contents sitemap /toc.hhc and
// the index sitemap /index.hhk (UTF-8), the first page listed as the home page,
// and the language 0x419.
namespace HelpCompiler {

inline constexpr char ContentsList[] = "toc.txt";
inline constexpr char IndexList[] = "index.txt";
inline constexpr char ContentsSitemap[] = "toc.hhc";
inline constexpr char IndexSitemap[] = "index.hhk";
inline constexpr char ProjectFile[] = "project.hhp";
inline constexpr char CompiledFile[] = "out.chm";

struct TocEntry {
    int line = 0;
    int level = 0;
    QString title;
    QString target; // empty for a heading that only groups the entries under it
};

struct Contents {
    QString title;
    QList<TocEntry> entries;
    // The first page listed (without an anchor).
    QString homePage() const;
};

struct IndexEntry {
    int line = 0;
    QString keyword;
    QString target;
};

Built<Contents> parseContents(const QByteArray &source, const QString &fileName);
Built<QList<IndexEntry>> parseIndex(const QByteArray &source, const QString &fileName);

// Reads a page of the folder by its relative path; nullopt when there is none.
using PageReader = std::function<std::optional<QByteArray>(const QString &relativePath)>;

// Every target must be an HTML page among files; an anchor ("page.html#name")
// must be defined in that page (id="name" or name="name").
void checkTargets(const Contents &contents, const QList<IndexEntry> &index, const QString &contentsFile,
                  const QString &indexFile, const QStringList &files, const PageReader &reader, SourceReport &report);

QByteArray contentsSitemap(const Contents &contents);
// The index sitemap, keywords in alphabetical order (case ignored).
QByteArray indexSitemap(const QList<IndexEntry> &index);
QByteArray projectFile(const Contents &contents, const QStringList &files);

struct Folder {
    Contents contents;
    QList<IndexEntry> index;
    QStringList files; // relative paths of the pages, pictures and other files, '/'-separated
};

// Reads and checks a help folder without compiling it.
Built<Folder> readFolder(const QString &folder);

// The compiler, or an empty string when chmcmd is not installed.
QString compilerPath();

// Checks and compiles a help folder; the value is the compiled file.
Built<QByteArray> compile(const QString &folder);

} // namespace HelpCompiler
