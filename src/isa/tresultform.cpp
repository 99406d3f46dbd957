#include "isa/tresultform.h"

#include "platform/windowframe.h"

TResultForm::TResultForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ResultForm"));
    setWindowTitle(QStringLiteral("Ваш результат:"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close, true);
    WindowFrame::setFixedClientSize(this, 260, 170);
    WindowFrame::centreOnScreen(this);
}
