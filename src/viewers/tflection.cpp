#include "viewers/tflection.h"

#include "platform/windowframe.h"

TFLection::TFLection(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FLection"));
    WindowFrame::setFrameless(this);
    WindowFrame::setFixedClientSize(this, 640, 450);
    WindowFrame::centreOnScreen(this);
}
