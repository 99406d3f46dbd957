#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The contents (.hhc) and index (.hhk) lists of compiled help: HTML with one
// <OBJECT type="text/sitemap"> per entry carrying <param name="Name"> and
// <param name="Local">, nested by <UL>. Sloppy HTML is tolerated (unclosed
// tags, missing </OBJECT>, unbalanced lists). The time taken grows linearly
// with the text; at most 20000 entries are kept, names and page references
// are cut at 1024 characters, an entry keeps at most 64 pages.
namespace Sitemap {

struct Entry {
    QString name;
    // The first page named (as written, may carry an anchor); empty for a heading.
    QString local;
    // Every page named; an index keyword may lead to several.
    QStringList locals;
    QList<Entry> children;
};

QList<Entry> parse(const QString &html);
// Decodes as UTF-8 when valid, else as Windows-1251.
QList<Entry> parse(const QByteArray &bytes);
// A nested index as one list: a sub-keyword becomes "keyword, sub-keyword".
QList<Entry> flatten(const QList<Entry> &entries);
// The first entry (depth first) that names a page.
const Entry *firstPage(const QList<Entry> &entries);
int count(const QList<Entry> &entries);

} // namespace Sitemap
