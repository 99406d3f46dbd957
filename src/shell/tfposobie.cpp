#include "shell/tfposobie.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "shell/clickablelabel.h"
#include "shell/menuwindow.h"
#include "shell/shellactions.h"
#include "shell/tfsoderg.h"
#include "shell/windowset.h"
#include "viewers/tflection.h"

#include <QCloseEvent>

TFPosobie::TFPosobie(QWidget *parent)
    : QWidget(parent)
{
    MenuWindow::setUp(this, QStringLiteral("FPosobie"), QStringLiteral("Учебное пособие \"Шиноведение\""), 703, 408);
    // Screen order, top to bottom; chapters begin with a heading and a little space.
    int top = 8;
    Label4 = MenuWindow::entry(this, QStringLiteral("Label4"), QStringLiteral("Вводная лекция"), 16, top);
    top += 17;
    Label16 = MenuWindow::entry(this, QStringLiteral("Label16"), QStringLiteral("Введение"), 16, top);
    top += 17;
    top += 5;
    Label17 = MenuWindow::heading(
        this, QStringLiteral("Label17"),
        QStringLiteral("Глава 1. Основные принципы построения систем ввода-вывода и интерфейсов"), 16, top);
    top += 17;
    Label18 =
        MenuWindow::entry(this, QStringLiteral("Label18"),
                          QStringLiteral("1.1. Роль и место систем ввода-вывода и интерфейсов в компьютере"), 36, top);
    top += 17;
    Label19 = MenuWindow::entry(
        this, QStringLiteral("Label19"),
        QStringLiteral("1.2. Основные принципы организации передачи информации в вычислительных системах"), 36, top);
    top += 17;
    Label20 = MenuWindow::entry(this, QStringLiteral("Label20"), QStringLiteral("1.3. Шиноведение"), 36, top);
    top += 17;
    Label21 = MenuWindow::entry(this, QStringLiteral("Label21"),
                                QStringLiteral("1.4. Системные интерфейсы и шины расширения"), 36, top);
    top += 17;
    Label22 = MenuWindow::entry(this, QStringLiteral("Label22"),
                                QStringLiteral("1.5. Интерфейсы периферийных устройств"), 36, top);
    top += 17;
    Label23 = MenuWindow::entry(this, QStringLiteral("Label23"), QStringLiteral("1.6. Структура систем ввода-вывода"),
                                36, top);
    top += 17;
    Label24 = MenuWindow::entry(this, QStringLiteral("Label24"),
                                QStringLiteral("1.7. Основные функции и принципы построения интерфейсов"), 36, top);
    top += 17;
    Label25 = MenuWindow::entry(this, QStringLiteral("Label25"),
                                QStringLiteral("1.8. Протоколы передачи данных в компьютерных интерфейсах"), 36, top);
    top += 17;
    top += 5;
    Label26 = MenuWindow::heading(this, QStringLiteral("Label26"), QStringLiteral("Глава 2. Шины расширения"), 16, top);
    top += 17;
    Label27 = MenuWindow::entry(this, QStringLiteral("Label27"), QStringLiteral("2.1. Шина ISA"), 36, top);
    top += 17;
    Label28 = MenuWindow::entry(this, QStringLiteral("Label28"), QStringLiteral("2.2. Шина PCI"), 36, top);
    top += 17;
    Label29 =
        MenuWindow::entry(this, QStringLiteral("Label29"), QStringLiteral("2.3. Шины 3GIO и Hyper Transport"), 36, top);
    top += 17;
    top += 5;
    Label30 = MenuWindow::heading(this, QStringLiteral("Label30"),
                                  QStringLiteral("Глава 3. Интерфейсы периферийных устройств"), 16, top);
    top += 17;
    Label31 = MenuWindow::entry(this, QStringLiteral("Label31"),
                                QStringLiteral("3.1. Параллельный интерфейс: LPT-порт"), 36, top);
    top += 17;
    Label32 = MenuWindow::entry(this, QStringLiteral("Label32"),
                                QStringLiteral("3.2. Последовательные интерфейсы: COM-порт"), 36, top);
    top += 17;
    Label33 = MenuWindow::entry(this, QStringLiteral("Label33"), QStringLiteral("3.3. Интерфейс SCSI"), 36, top);
    top += 17;
    Label34 = MenuWindow::entry(this, QStringLiteral("Label34"), QStringLiteral("3.4. Интерфейс USB"), 36, top);
    top += 17;
    top += 5;
    Label2 = MenuWindow::heading(this, QStringLiteral("Label2"),
                                 QStringLiteral("Глава 4. Схема для построения интерфейсов"), 16, top);
    top += 17;
    Label7 = MenuWindow::entry(this, QStringLiteral("Label7"), QStringLiteral("4.1. Таймер"), 36, top);
    top += 17;

    Guard::connect(Label4, &ClickableLabel::clicked, this, &TFPosobie::Label4Click);
    Guard::connect(Label16, &ClickableLabel::clicked, this, &TFPosobie::Label16Click);
    Guard::connect(Label18, &ClickableLabel::clicked, this, &TFPosobie::Label18Click);
    Guard::connect(Label19, &ClickableLabel::clicked, this, &TFPosobie::Label19Click);
    Guard::connect(Label20, &ClickableLabel::clicked, this, &TFPosobie::Label20Click);
    Guard::connect(Label21, &ClickableLabel::clicked, this, &TFPosobie::Label21Click);
    Guard::connect(Label22, &ClickableLabel::clicked, this, &TFPosobie::Label22Click);
    Guard::connect(Label23, &ClickableLabel::clicked, this, &TFPosobie::Label23Click);
    Guard::connect(Label24, &ClickableLabel::clicked, this, &TFPosobie::Label24Click);
    Guard::connect(Label25, &ClickableLabel::clicked, this, &TFPosobie::Label25Click);
    Guard::connect(Label27, &ClickableLabel::clicked, this, &TFPosobie::Label27Click);
    Guard::connect(Label28, &ClickableLabel::clicked, this, &TFPosobie::Label28Click);
    Guard::connect(Label29, &ClickableLabel::clicked, this, &TFPosobie::Label29Click);
    Guard::connect(Label31, &ClickableLabel::clicked, this, &TFPosobie::Label31Click);
    Guard::connect(Label32, &ClickableLabel::clicked, this, &TFPosobie::Label32Click);
    Guard::connect(Label33, &ClickableLabel::clicked, this, &TFPosobie::Label33Click);
    Guard::connect(Label34, &ClickableLabel::clicked, this, &TFPosobie::Label34Click);
    Guard::connect(Label7, &ClickableLabel::clicked, this, &TFPosobie::Label7Click);
}

void TFPosobie::Label4Click()
{
    Navigation::goTo(this, FLection);
}

void TFPosobie::Label16Click()
{
    ShellActions::openDocument(QStringLiteral("book\\vvedenie.chm"));
}

void TFPosobie::Label18Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-1.chm"));
}

void TFPosobie::Label19Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-2.chm"));
}

void TFPosobie::Label20Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-3.chm"));
}

void TFPosobie::Label21Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-4.chm"));
}

void TFPosobie::Label22Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-5.chm"));
}

void TFPosobie::Label23Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-6.chm"));
}

void TFPosobie::Label24Click()
{
    ShellActions::openDocument(QStringLiteral("book\\1-7.chm"));
}

void TFPosobie::Label25Click()
{
    ShellActions::openDocument(QStringLiteral("book\\protokoly.chm"));
}

void TFPosobie::Label27Click()
{
    ShellActions::openDocument(QStringLiteral("book\\ISA.chm"));
}

void TFPosobie::Label28Click()
{
    ShellActions::openDocument(QStringLiteral("book\\PCI.chm"));
}

void TFPosobie::Label29Click()
{
    ShellActions::openDocument(QStringLiteral("book\\shiny.chm"));
}

void TFPosobie::Label31Click()
{
    ShellActions::openDocument(QStringLiteral("book\\lpt.chm"));
}

void TFPosobie::Label32Click()
{
    ShellActions::openDocument(QStringLiteral("book\\com.chm"));
}

void TFPosobie::Label33Click()
{
    ShellActions::openDocument(QStringLiteral("book\\vved.hlp"));
}

void TFPosobie::Label34Click()
{
    ShellActions::openDocument(QStringLiteral("book\\USB.chm"));
}

void TFPosobie::Label7Click()
{
    ShellActions::openDocument(QStringLiteral("book\\timer.chm"));
}

void TFPosobie::FormClose()
{
    Navigation::show(FSoderg);
}

void TFPosobie::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFPosobie::FormClose);
}
