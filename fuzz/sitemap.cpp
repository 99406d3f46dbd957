// The contents and index lists of compiled help and their character
// references: linear time (libFuzzer's -timeout), bounded entries and names,
// a decoded text never longer than its source.
#include "fuzzsupport.h"

#include "platform/htmltext.h"
#include "platform/sitemap.h"

namespace {

void requireBounded(const QList<Sitemap::Entry> &entries, int depth)
{
    Fuzz::require(depth <= 40, "nesting bounded");
    for (const Sitemap::Entry &entry : entries) {
        Fuzz::require(!entry.name.isEmpty() && entry.name.size() <= 1024, "a name within 1024 characters");
        Fuzz::require(entry.locals.size() <= 64, "at most 64 pages an entry");
        Fuzz::require(entry.local.isEmpty() == entry.locals.isEmpty(), "the first page is among the pages");
        requireBounded(entry.children, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QList<Sitemap::Entry> entries = Sitemap::parse(bytes);
    Fuzz::require(Sitemap::count(entries) <= 20000, "at most 20000 entries");
    requireBounded(entries, 0);
    const QList<Sitemap::Entry> flat = Sitemap::flatten(entries);
    Fuzz::require(flat.size() == Sitemap::count(entries), "flattening keeps every entry");
    for (const Sitemap::Entry &entry : flat)
        Fuzz::require(entry.name.size() <= 1024, "a flattened name within 1024 characters");

    const QString text = HtmlText::decodeText(bytes);
    Fuzz::require(HtmlText::decodeEntities(text).size() <= text.size(), "references only shorten a text");
    return 0;
}
