#include "shell/tfsoderg.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "shell/clickablelabel.h"
#include "shell/menuwindow.h"
#include "shell/shellactions.h"
#include "shell/tfinterface.h"
#include "shell/tflabprakt.h"
#include "shell/tfposobie.h"
#include "shell/tfprandmet.h"
#include "shell/windowset.h"
#include "viewers/tfexamquest.h"

#include <QCloseEvent>

TFSoderg::TFSoderg(QWidget *parent)
    : QWidget(parent)
{
    MenuWindow::setUp(this, QStringLiteral("FSoderg"), QStringLiteral("ПМК \"Шиноведение\""), 433, 135);
    const int left = 24;
    Label11 = MenuWindow::entry(this, QStringLiteral("Label11"), QStringLiteral("Программа и методика изучения курса"),
                                left, 14);
    Label1 = MenuWindow::entry(this, QStringLiteral("Label1"), QStringLiteral("Учебное пособие"), left, 37);
    Label2 = MenuWindow::entry(this, QStringLiteral("Label2"), QStringLiteral("Лабораторный практикум"), left, 60);
    Label3 = MenuWindow::entry(this, QStringLiteral("Label3"), QStringLiteral("Глоссарий"), left, 83);
    Label4 = MenuWindow::entry(this, QStringLiteral("Label4"), QStringLiteral("Экзаменационные вопросы"), left, 106);

    Guard::connect(Label11, &ClickableLabel::clicked, this, &TFSoderg::Label11Click);
    Guard::connect(Label1, &ClickableLabel::clicked, this, &TFSoderg::Label1Click);
    Guard::connect(Label2, &ClickableLabel::clicked, this, &TFSoderg::Label2Click);
    Guard::connect(Label3, &ClickableLabel::clicked, this, &TFSoderg::Label3Click);
    Guard::connect(Label4, &ClickableLabel::clicked, this, &TFSoderg::Label4Click);
}

void TFSoderg::Label11Click()
{
    Navigation::goTo(this, FPrandmet);
}

void TFSoderg::Label1Click()
{
    Navigation::goTo(this, FPosobie);
}

void TFSoderg::Label2Click()
{
    Navigation::goTo(this, FLabprakt);
}

void TFSoderg::Label3Click()
{
    ShellActions::showGlossary();
}

void TFSoderg::Label4Click()
{
    Navigation::goTo(this, FExamQuest);
}

void TFSoderg::FormClose()
{
    Navigation::show(FInterface);
}

void TFSoderg::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFSoderg::FormClose);
}
