// Compiled help opened end to end, through the check and the container
// library: it opens or is refused with a message naming the file, never hangs
// (libFuzzer's -timeout), and an open document's lists stay within bounds.
#include "fuzzsupport.h"

#include "platform/chmfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::writeScratch(QStringLiteral("doc.chm"), Fuzz::bytes(data, size));
    ChmFile file;
    const QString message = file.open(path);
    Fuzz::require(message.isEmpty() == file.isOpen(), "opened exactly when there is no message");
    if (!message.isEmpty()) {
        Fuzz::require(message.contains(path), "the message names the file");
        return 0;
    }
    Fuzz::require(Sitemap::count(file.contents()) <= 20000 && file.index().size() <= 20000, "lists within bounds");
    Fuzz::require(file.homePage().isEmpty() || file.contains(ChmFile::pagePath(file.homePage())),
                  "the home page (without its anchor) is in the document");
    const QStringList entries = file.entries();
    for (qsizetype i = 0; i < entries.size() && i < 32; ++i) {
        const auto bytes = file.read(entries[i]);
        Fuzz::require(!bytes || bytes->size() <= 64 * 1024 * 1024, "an entry within its limit");
    }
    return 0;
}
