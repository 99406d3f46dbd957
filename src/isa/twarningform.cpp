#include "isa/twarningform.h"

#include "isa/isacontrols.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QPlainTextEdit>
#include <QPushButton>

TWarningForm::TWarningForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WarningForm"));
    setWindowTitle(QStringLiteral("Warning"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, 339, 315);
    Memo1 = IsaControls::memo(QStringLiteral("Memo1"), this, QRect(0, 4, 337, 277));
    Memo1->setReadOnly(true);
    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this, QRect(132, 286, 75, 25));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TWarningForm::BitBtn1Click);
    WindowFrame::centreOnScreen(this);
}

void TWarningForm::showNote()
{
    Navigation::show(this);
    IsaControls::loadMemo(Memo1, noteFile());
}

void TWarningForm::BitBtn1Click()
{
    hide();
}
