#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// A structural check of a compiled help container before the container library
// is given the file: the headers, the directory chunks and the parameters of the
// compressed section must be sound, so that a damaged file is refused with a
// reason instead of being decoded with impossible sizes.
namespace ChmCheck {

enum class Verdict {
    Sound,
    NotChm,  // no container signature: some other kind of file
    Damaged, // a container whose structure cannot be trusted
};

struct Result {
    Verdict verdict = Verdict::Sound;
    QString reason; // Russian, for the user; empty when sound
    // Every name of the directory's listing chunks, in directory order (UTF-8).
    QList<QByteArray> names;
};

// Reads only the headers, the directory and two small control objects. The
// listing chunks are read in their stored order rather than by the header's
// first-chunk number, which some compilers (chmcmd) write wrong; the chains
// the container library follows (next listing block, index children) must
// end without a cycle and name only blocks that exist.
Result check(QIODevice &file);

} // namespace ChmCheck
