#include "shell/tfprandmet.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "shell/clickablelabel.h"
#include "shell/menuwindow.h"
#include "shell/shellactions.h"
#include "shell/tfsoderg.h"
#include "shell/windowset.h"

#include <QCloseEvent>

TFPrandmet::TFPrandmet(QWidget *parent)
    : QWidget(parent)
{
    MenuWindow::setUp(this, QStringLiteral("FPrandmet"), QStringLiteral("Программа и методика изучения курса"), 432,
                      247);
    const int left = 20;
    const int top = 12;
    const int step = 23;
    auto entry = [&](const char *name, const QString &caption, int row) {
        return MenuWindow::entry(this, QString::fromLatin1(name), caption, left, top + row * step);
    };
    Label16 = entry("Label16", QStringLiteral("1. Аннотация к учебному курсу"), 0);
    Label1 = entry("Label1", QStringLiteral("2. Методические указания к изучению учебного курса"), 1);
    Label2 = entry("Label2", QStringLiteral("3. Программа курса"), 2);
    Label3 = entry("Label3", QStringLiteral("4. Теоретический материал"), 3);
    Label4 = entry("Label4", QStringLiteral("5. Практический раздел"), 4);
    Label5 = entry("Label5", QStringLiteral("6. Индивидуальные задания"), 5);
    Label6 = entry("Label6", QStringLiteral("7. Примеры выполненных работ"), 6);
    Label7 = entry("Label7", QStringLiteral("8. Контрольные вопросы"), 7);
    Label8 = entry("Label8", QStringLiteral("9. Список литературы"), 8);
    Label9 = entry("Label9", QStringLiteral("10. Справочник"), 9);

    Guard::connect(Label16, &ClickableLabel::clicked, this, &TFPrandmet::Label16Click);
    Guard::connect(Label1, &ClickableLabel::clicked, this, &TFPrandmet::Label1Click);
    Guard::connect(Label2, &ClickableLabel::clicked, this, &TFPrandmet::Label2Click);
    Guard::connect(Label3, &ClickableLabel::clicked, this, &TFPrandmet::Label3Click);
    Guard::connect(Label4, &ClickableLabel::clicked, this, &TFPrandmet::Label4Click);
    Guard::connect(Label5, &ClickableLabel::clicked, this, &TFPrandmet::Label5Click);
    Guard::connect(Label6, &ClickableLabel::clicked, this, &TFPrandmet::Label6Click);
    Guard::connect(Label7, &ClickableLabel::clicked, this, &TFPrandmet::Label7Click);
    Guard::connect(Label8, &ClickableLabel::clicked, this, &TFPrandmet::Label8Click);
    Guard::connect(Label9, &ClickableLabel::clicked, this, &TFPrandmet::Label9Click);
}

void TFPrandmet::Label16Click()
{
    ShellActions::openDocument(QStringLiteral("book\\annot.chm"));
}

void TFPrandmet::Label1Click()
{
    ShellActions::openDocument(QStringLiteral("book\\metuk.chm"));
}

void TFPrandmet::Label2Click()
{
    ShellActions::openDocument(QStringLiteral("book\\prog.chm"));
}

void TFPrandmet::Label3Click()
{
    ShellActions::openDocument(QStringLiteral("book\\teor.chm"));
}

void TFPrandmet::Label4Click()
{
    ShellActions::openDocument(QStringLiteral("book\\prakt.chm"));
}

void TFPrandmet::Label5Click()
{
    ShellActions::openDocument(QStringLiteral("book\\indiv.chm"));
}

void TFPrandmet::Label6Click()
{
    ShellActions::openDocument(QStringLiteral("book\\prim.chm"));
}

void TFPrandmet::Label7Click()
{
    ShellActions::openDocument(QStringLiteral("book\\vopr.chm"));
}

void TFPrandmet::Label8Click()
{
    ShellActions::openDocument(QStringLiteral("book\\liter.chm"));
}

void TFPrandmet::Label9Click()
{
    ShellActions::openDocument(QStringLiteral("book\\sprav.chm"));
}

void TFPrandmet::FormClose()
{
    Navigation::show(FSoderg);
}

void TFPrandmet::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFPrandmet::FormClose);
}
