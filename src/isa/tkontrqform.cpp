#include "isa/tkontrqform.h"

#include "platform/windowframe.h"

TKontrQForm::TKontrQForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("KontrQForm"));
    setWindowTitle(QStringLiteral("Контрольные вопросы"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    resize(475, 374);
    WindowFrame::centreOnScreen(this);
}
