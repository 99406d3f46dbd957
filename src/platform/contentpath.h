#pragma once

#include <QString>

// Content paths are written with backslashes and matched without regard to
// letter case, relative to the working folder; help documents and outside
// programs are joined to the program's own folder.
namespace ContentPath {

// The on-disk path of a content path relative to base (default: the working
// folder). Each component is matched without regard to case; components that
// do not exist are kept as written, so the result names the file that is missing.
// The result always lies inside base: ".." stops at base, a leading separator
// or a drive-like component is a folder of base.
QString resolve(const QString &contentPath, const QString &base = QString());
bool exists(const QString &contentPath, const QString &base = QString());

// The folder of the program file, ending with a separator.
QString programFolder();
// Joins a folder that ends with a separator and a relative name written with
// either separator, without doubling the separator (a folder at a root stays valid).
QString join(const QString &folder, const QString &relativeName);
// A content path resolved against the program's folder.
QString resolveInProgramFolder(const QString &contentPath);

// Content folders the package reads; used to find the package folder at start-up.
bool holdsContent(const QString &folder);
// When the working folder holds no content and the program's folder does,
// makes the program's folder the working folder. Returns the working folder.
QString adoptPackageFolder();

} // namespace ContentPath
