#include "shell/menuwindow.h"

#include "platform/windowframe.h"
#include "shell/clickablelabel.h"

#include <QWidget>

namespace MenuWindow {

void setUp(QWidget *menu, const QString &name, const QString &caption, int width, int height)
{
    menu->setObjectName(name);
    menu->setWindowTitle(caption);
    WindowFrame::setTitleBar(menu, WindowFrame::Boxes::CloseAndMinimise);
    WindowFrame::setFixedClientSize(menu, width, height);
    WindowFrame::centreOnScreen(menu);
}

ClickableLabel *entry(QWidget *menu, const QString &name, const QString &caption, int left, int top)
{
    auto *label = new ClickableLabel(name, caption, menu, ClickableLabel::Entry);
    label->move(left, top);
    return label;
}

ClickableLabel *heading(QWidget *menu, const QString &name, const QString &caption, int left, int top)
{
    auto *label = new ClickableLabel(name, caption, menu, ClickableLabel::Heading);
    label->move(left, top);
    return label;
}

} // namespace MenuWindow
