#include "shell/tflabprakt.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "shell/clickablelabel.h"
#include "shell/menuwindow.h"
#include "shell/tfpracticum.h"
#include "shell/tfsoderg.h"
#include "shell/tfukazaniya.h"
#include "shell/windowset.h"

#include <QCloseEvent>

TFLabprakt::TFLabprakt(QWidget *parent)
    : QWidget(parent)
{
    MenuWindow::setUp(this, QStringLiteral("FLabprakt"), QStringLiteral("Лабораторный практикум"), 296, 55);
    Label16 = MenuWindow::entry(this, QStringLiteral("Label16"), QStringLiteral("1. Методические указания"), 16, 9);
    Label1 =
        MenuWindow::entry(this, QStringLiteral("Label1"), QStringLiteral("2. Выполнение лабораторной работы"), 16, 31);

    Guard::connect(Label16, &ClickableLabel::clicked, this, &TFLabprakt::Label16Click);
    Guard::connect(Label1, &ClickableLabel::clicked, this, &TFLabprakt::Label1Click);
}

void TFLabprakt::Label16Click()
{
    Navigation::goTo(this, FUkazaniya);
}

void TFLabprakt::Label1Click()
{
    Navigation::goTo(this, FPracticum);
}

void TFLabprakt::FormClose()
{
    Navigation::show(FSoderg);
}

void TFLabprakt::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFLabprakt::FormClose);
}
