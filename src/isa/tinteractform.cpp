#include "isa/tinteractform.h"

#include "platform/windowframe.h"

TInteractForm::TInteractForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("InteractForm"));
    setWindowTitle(QStringLiteral("Изучение взаимодействия устройств на шине"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    resize(691, 519);
    WindowFrame::centreOnScreen(this);
}
