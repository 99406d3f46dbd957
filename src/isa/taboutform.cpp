#include "isa/taboutform.h"

#include "platform/windowframe.h"

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("AboutBox"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, 467, 331);
    WindowFrame::centreOnScreen(this);
}
