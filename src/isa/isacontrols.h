#pragma once

#include <QRect>
#include <QString>

class QCloseEvent;
class QKeyEvent;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class MetafileView;

// Controls of the ISA trainer's windows, placed at fixed positions.
namespace IsaControls {

QPushButton *button(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry);
QLabel *label(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry);
// A raised panel.
QFrame *panel(const QString &name, QWidget *parent, const QRect &geometry);
// A multi-line text box; its scroll bars as given, lines wrapped unless a
// horizontal bar is wanted.
QPlainTextEdit *memo(const QString &name, QWidget *parent, const QRect &geometry, bool horizontalBar = false);
void setScrollBars(QPlainTextEdit *memo, bool horizontalBar);
// A picture box for a Windows metafile: at its own size from the top-left corner,
// clipped, or stretched to the box.
MetafileView *picture(const QString &name, QWidget *parent, const QRect &geometry, bool stretch = false);
// Loads a metafile into a picture box; throws ContentError and keeps the old picture.
void loadPicture(MetafileView *box, const QString &contentPath);

// Replaces the memo's text with a content file, line for line; throws ContentError.
void loadMemo(QPlainTextEdit *memo, const QString &contentPath);

// A window without a close box is left only through its own buttons: the close
// request of the window manager (Alt+F4) is refused.
void refuseClose(QCloseEvent *event);
// Escape on a result window does not answer for the student; true when the key was Escape.
bool swallowEscape(QKeyEvent *event);

} // namespace IsaControls
