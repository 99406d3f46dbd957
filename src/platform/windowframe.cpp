#include "platform/windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowFrame {

namespace {

Qt::WindowFlags windowType(const QWidget *window)
{
    const Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    return type == Qt::Widget ? Qt::Window : type;
}

} // namespace

void setTitleBar(QWidget *window, Boxes boxes, bool staysOnTop)
{
    Qt::WindowFlags flags = windowType(window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (boxes) {
    case Boxes::CloseAndMinimise:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint;
        break;
    case Boxes::Close:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case Boxes::None:
        break;
    }
    if (staysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);
}

void setToolWindow(QWidget *window)
{
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
}

void setFrameless(QWidget *window)
{
    window->setWindowFlags(windowType(window) | Qt::FramelessWindowHint);
}

void setFixedClientSize(QWidget *window, int width, int height)
{
    window->setFixedSize(width, height);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

} // namespace WindowFrame
