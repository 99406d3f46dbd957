#include "pci/tpres.h"

#include "platform/windowframe.h"

TPres::TPres(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Pres"));
    setWindowTitle(QStringLiteral("О программе"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, 530, 330);
    WindowFrame::centreOnScreen(this);
}
