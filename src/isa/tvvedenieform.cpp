#include "isa/tvvedenieform.h"

#include "isa/isacontrols.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"

#include <QPlainTextEdit>
#include <QPushButton>

TVvedenieForm::TVvedenieForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VvedenieForm"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::None);
    WindowFrame::setFixedClientSize(this, 568, 428);
    Memo1 = IsaControls::memo(QStringLiteral("Memo1"), this, QRect(4, 4, 557, 389));
    Memo1->setReadOnly(true);
    BitBtn1 = IsaControls::button(QStringLiteral("BitBtn1"), QStringLiteral("OK"), this, QRect(246, 398, 75, 25));
    Guard::connect(BitBtn1, &QPushButton::clicked, this, &TVvedenieForm::BitBtn1Click);
    WindowFrame::centreOnScreen(this);
}

void TVvedenieForm::showText(const QString &caption, const QString &contentPath)
{
    Navigation::show(this);
    setWindowTitle(caption);
    IsaControls::loadMemo(Memo1, contentPath);
}

void TVvedenieForm::BitBtn1Click()
{
    hide();
}

void TVvedenieForm::closeEvent(QCloseEvent *event)
{
    IsaControls::refuseClose(event);
}
