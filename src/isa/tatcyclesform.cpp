#include "isa/tatcyclesform.h"

#include "platform/windowframe.h"

TATCyclesForm::TATCyclesForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ATCyclesForm"));
    setWindowTitle(QStringLiteral("ATCyclesForm"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    resize(760, 574);
    WindowFrame::centreOnScreen(this);
}
