#include "platform/navigation.h"

#include <QWidget>

namespace Navigation {

void show(QWidget *window)
{
    if (!window)
        return;
    // A window that was hidden comes up in front of the others when shown;
    // one already shown is raised.
    const bool wasShown = window->isVisible();
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    if (wasShown)
        window->raise();
    window->activateWindow();
}

void goTo(QWidget *from, QWidget *to)
{
    if (from)
        from->hide();
    show(to);
}

} // namespace Navigation
