#include "isa/tcyclesparamform.h"

#include "platform/windowframe.h"

TCyclesparamForm::TCyclesparamForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CyclesparamForm"));
    setWindowTitle(QStringLiteral("Введите параметры цикла:"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None, true);
    WindowFrame::setFixedClientSize(this, 686, 242);
    WindowFrame::centreOnScreen(this);
}
