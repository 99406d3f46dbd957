// The structural check of compiled help: any bytes give a verdict; a sound
// container's names are whole directory names within the path limit.
#include "fuzzsupport.h"

#include "platform/chmcheck.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = Fuzz::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ChmCheck::Result result = ChmCheck::check(buffer);
    Fuzz::require((result.verdict == ChmCheck::Verdict::Sound) == result.reason.isEmpty(),
                  "a refusal gives a reason, a sound file none");
    for (const QByteArray &name : result.names)
        Fuzz::require(!name.isEmpty() && name.size() <= 512, "names within the path limit");
    if (result.verdict != ChmCheck::Verdict::Sound)
        Fuzz::require(result.names.isEmpty() || result.verdict == ChmCheck::Verdict::Damaged,
                      "no names of a non-container");
    return 0;
}
