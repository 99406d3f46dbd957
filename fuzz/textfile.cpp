// Windows-1251 text lines and numbers: lines split at LF (a CR before it
// dropped) re-encode to the bytes they came from; a number line is digits with
// an optional sign and blanks, nothing else.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const QStringList lines = TextFile::splitLines(bytes);
    const qsizetype breaks = bytes.count('\n');
    const bool tail = !bytes.isEmpty() && !bytes.endsWith('\n');
    Fuzz::require(lines.size() == breaks + (tail ? 1 : 0), "one line per line break, and the last without one");

    qsizetype start = 0;
    for (const QString &line : lines) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        if (end > start && bytes[end - 1] == '\r')
            --end;
        const std::optional<QByteArray> encoded = Cp1251::encode(line);
        if (encoded)
            Fuzz::require(*encoded == bytes.mid(start, end - start), "a line re-encodes to its bytes");
        start = next;

        const std::optional<int> number = TextFile::parseInt(line);
        bool sawDigit = false;
        for (QChar c : line) {
            const bool allowed = c.isDigit() || c == QLatin1Char(' ') || c == QLatin1Char('\t') ||
                                 c == QLatin1Char('-') || c == QLatin1Char('+');
            if (number)
                Fuzz::require(allowed && c.unicode() < 128, "a number line holds digits, a sign and blanks only");
            sawDigit = sawDigit || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        }
        if (number) {
            Fuzz::require(sawDigit, "a number has a digit");
            Fuzz::require(QString::number(*number).toInt() == *number, "the value is an int");
        } else {
            try {
                TextFile::toInt(line);
                Fuzz::require(false, "toInt refuses what parseInt refuses");
            } catch (const ContentError &) {
            }
        }
    }
    return 0;
}
