#include "isa/tvvedenieform.h"

#include "platform/windowframe.h"

TVvedenieForm::TVvedenieForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VvedenieForm"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    WindowFrame::setFixedClientSize(this, 568, 428);
    WindowFrame::centreOnScreen(this);
}
