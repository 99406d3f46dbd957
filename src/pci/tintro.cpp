#include "pci/tintro.h"

#include "platform/windowframe.h"

TIntro::TIntro(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Информация"));
    WindowFrame::setToolWindow(this);
    WindowFrame::setFixedClientSize(this, 520, 380);
    WindowFrame::centreOnScreen(this);
}
