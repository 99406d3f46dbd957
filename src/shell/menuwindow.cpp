#include "shell/menuwindow.h"

#include "platform/windowframe.h"
#include "shell/clickablelabel.h"
#include "shell/menukeys.h"

#include <QWidget>

namespace MenuWindow {

void setUp(QWidget *menu, const QString &name, const QString &caption, int width, int height)
{
    menu->setObjectName(name);
    menu->setWindowTitle(caption);
    WindowFrame::setTitleBar(menu, WindowFrame::Boxes::CloseAndMinimise);
    WindowFrame::setFixedClientSize(menu, width, height);
    WindowFrame::centreOnScreen(menu);
    MenuKeys::install(menu, MenuKeys::Escape::Closes);
}

ClickableLabel *entry(QWidget *menu, const QString &name, const QString &caption, int left, int top)
{
    auto *label = new ClickableLabel(name, caption, menu, ClickableLabel::Entry);
    // The caption stands at the given place; its focus frame just outside it.
    label->move(left - ClickableLabel::kFocusMargin, top);
    return label;
}

ClickableLabel *heading(QWidget *menu, const QString &name, const QString &caption, int left, int top)
{
    auto *label = new ClickableLabel(name, caption, menu, ClickableLabel::Heading);
    label->move(left, top);
    return label;
}

} // namespace MenuWindow
