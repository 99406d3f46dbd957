#include "isa/tcyclesform.h"

#include "platform/windowframe.h"

TCyclesForm::TCyclesForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CyclesForm"));
    setWindowTitle(QStringLiteral("Циклы шины"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    WindowFrame::setFixedClientSize(this, 691, 448);
    WindowFrame::centreOnScreen(this);
}
