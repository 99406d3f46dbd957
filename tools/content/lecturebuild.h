#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>

// Builds the introductory lecture from its script (X.lecture) into the folder
// of its output X.txt, the lecture's video list:
//   X.mp4     the video: 320 x 240 H.264 (main profile) with the slides as its
//             pictures and the narration spoken by espeak-ng's Russian voice as
//             its AAC mono sound, "+faststart" so playing starts at once;
//   slideNN.bmp  the slides (240 x 240);
//   pic.txt, glos.txt  the slide and glossary pairs, times in milliseconds
//             taken from the lengths of the spoken sections;
//   X.txt     the video's content path on its first line; the second line
//             records which script the outputs were made from.
// The outputs are remade only when the script (or this build) changes: a
// newer tool alone only rewrites X.txt.
namespace LectureBuild {

// outputRelative: X.txt relative to the package folder, '/'-separated.
// checkOnly: validate the script and draw the slides, write nothing.
Built<QByteArray> build(const QString &sourcePath, const QString &outputPath, const QString &outputRelative,
                        bool checkOnly);

} // namespace LectureBuild
