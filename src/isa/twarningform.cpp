#include "isa/twarningform.h"

#include "platform/windowframe.h"

TWarningForm::TWarningForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WarningForm"));
    setWindowTitle(QStringLiteral("Warning"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, 339, 315);
    WindowFrame::centreOnScreen(this);
}
