#include "isa/tresinteractform.h"

#include "platform/windowframe.h"

TResInteractForm::TResInteractForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ResInteractForm"));
    setWindowTitle(QStringLiteral("Результат"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close, true);
    WindowFrame::setFixedClientSize(this, 260, 140);
    WindowFrame::centreOnScreen(this);
}
