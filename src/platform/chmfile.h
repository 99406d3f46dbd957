#pragma once

#include "platform/sitemap.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

struct chmFile;

// A compiled help container (".chm", and the package's ".hlp" files, which use
// the same container), read with chmlib. Paths inside are absolute ("/page.htm")
// and matched without regard to case when the exact spelling is not found.
class ChmFile {
public:
    ChmFile();
    ~ChmFile();
    ChmFile(const ChmFile &) = delete;
    ChmFile &operator=(const ChmFile &) = delete;

    // Opens a file; returns an empty text on success, otherwise a message for
    // the user that names the file (missing, not a compiled help document, damaged).
    QString open(const QString &path);
    void close();
    bool isOpen() const { return m_handle != nullptr; }
    QString path() const { return m_path; }

    // The files of the container (no folders, no internal "#" and "$" objects), in container order.
    QStringList entries() const { return m_entries; }
    bool contains(const QString &path) const { return !actualPath(path).isEmpty(); }
    // The entry's bytes; nullopt when the entry is missing or cannot be read whole.
    std::optional<QByteArray> read(const QString &path) const;

    // The document's title: the container's system record, else the project's
    // title, else the first contents entry; empty when none.
    QString title() const { return m_title; }
    // The default topic, else the first page of the contents, else index.htm(l),
    // else the first page; empty when the container holds no page.
    QString homePage() const { return m_homePage; }
    QString contentsFile() const { return m_contentsFile; }
    QString indexFile() const { return m_indexFile; }
    const QList<Sitemap::Entry> &contents() const { return m_contents; }
    // The index as one list, sorted by keyword.
    const QList<Sitemap::Entry> &index() const { return m_index; }

    // A path of the container: leading '/', '\' turned into '/', "." and ".." folded.
    static QString normalizedPath(const QString &path);
    // A sitemap's reference ("sub/page.htm#a", "/x.htm") as a container path without the anchor.
    static QString pagePath(const QString &local);

private:
    QString actualPath(const QString &path) const;
    std::optional<QByteArray> readExact(const QString &actual) const;
    void readSystem();
    void readProjectTitle();
    void chooseHomePage();

    chmFile *m_handle = nullptr;
    QString m_path;
    QStringList m_entries;
    QHash<QString, QString> m_byLowerPath;
    QString m_title;
    QString m_homePage;
    QString m_defaultTopic;
    QString m_contentsFile;
    QString m_indexFile;
    QList<Sitemap::Entry> m_contents;
    QList<Sitemap::Entry> m_index;
};
