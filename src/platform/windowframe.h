#pragma once

class QWidget;

// Frames of the standing windows. The window type (window, dialog, tool
// window) is kept; only the title-bar hints change.
namespace WindowFrame {

enum class Boxes {
    CloseAndMinimise, // an ordinary fixed frame: system menu, close and minimise boxes
    Close,            // a dialog frame: system menu and close box
    None,             // no system menu and hence no close box: left only through the window's buttons
};

void setTitleBar(QWidget *window, Boxes boxes, bool staysOnTop = false);
// A small tool-window caption with a close box.
void setToolWindow(QWidget *window);
// No frame and no title bar: the window is moved by dragging one of its pictures.
void setFrameless(QWidget *window);
// A client area that cannot be resized.
void setFixedClientSize(QWidget *window, int width, int height);
// Places the window in the middle of the screen it will appear on.
void centreOnScreen(QWidget *window);

} // namespace WindowFrame
