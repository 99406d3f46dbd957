#pragma once

#include <QPixmap>

// The shell's pictures, drawn in code when their windows are created.
namespace Artwork {

// FInterface's background ImageForm: the title screen, 600 by 400.
QPixmap titleScreen();

// FPracticum: the window's own background with the pressed looks of its title
// and close pictures painted where those pictures lie (they show while the
// pictures are hidden under the held mouse button), the title picture
// FormBrowser (248 by 36) and the close picture ExitButton (28 by 28).
QPixmap practicumBackground();
QPixmap practicumTitle();
QPixmap practicumExit();
constexpr int kPracticumTitleHeight = 36;

// FUkazaniya: the background (262 by 191) and the icon of its document buttons.
QPixmap instructionsBackground();
QPixmap documentIcon();

} // namespace Artwork
