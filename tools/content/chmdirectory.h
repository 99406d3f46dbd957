#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// Reads the directory of a compiled help file (ITSF container) to check what it
// stores, without unpacking any content, by the program's own structural check.
namespace ChmDirectory {

// The names of the stored objects ("/page.html", "/#SYSTEM", "::DataSpace/..."),
// in directory order; nullopt when the bytes are not a sound ITSF container.
std::optional<QStringList> list(const QByteArray &file);

} // namespace ChmDirectory
