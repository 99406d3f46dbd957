#pragma once

#include <QIcon>
#include <QStyle>

// Icons of the platform windows. Looking an icon up in the desktop theme takes
// a few milliseconds each time and every window asks for the same ones, so
// they are looked up once and kept for the run.
namespace Icons {

// The application style's icon.
QIcon standard(QStyle::StandardPixmap pixmap);
// The desktop theme's icon of that name, else the style's.
QIcon themed(const char *name, QStyle::StandardPixmap fallback);

} // namespace Icons
