// The lecture's pair files (pic.txt, glos.txt, test.txt): any text gives at
// most 30 pairs whose times are the numbers written, or the number-conversion
// error naming the line it could not read.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "platform/textfile.h"
#include "viewers/tflectionschedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = QStringLiteral("lession\\pic.txt");
    Fuzz::writeScratch(QStringLiteral("lession/pic.txt"), Fuzz::bytes(data, size));
    try {
        const QStringList lines = TextFile::readLines(path);
        const LecturePairs pairs = LecturePairs::parse(lines);
        Fuzz::require(pairs.count() <= LecturePairs::kMax, "at most 30 pairs");
        Fuzz::require(pairs.times.size() == pairs.texts.size(), "a text for every time");
        for (int i = 0; i < pairs.count(); ++i) {
            Fuzz::require(2 * i < lines.size(), "a pair comes from the lines read");
            Fuzz::require(TextFile::parseInt(lines.at(2 * i)) == pairs.times.at(i), "a time is the number on its line");
        }
    } catch (const ContentError &error) {
        Fuzz::require(!error.message().isEmpty(), "an error says what is wrong");
    }
    return 0;
}
