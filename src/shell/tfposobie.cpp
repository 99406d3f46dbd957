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

namespace {

enum class Kind {
    Entry,   // at the menu's left edge
    Heading, // a chapter's title, after a little space
    Section, // an entry of a chapter, indented under its heading
};

struct MenuLine {
    Kind kind;
    const char *name;
    const char *caption;
    void (TFPosobie::*click)(); // none for a heading
};

// Screen order, top to bottom.
const MenuLine kMenu[] = {
    {Kind::Entry, "Label4", "Вводная лекция", &TFPosobie::Label4Click},
    {Kind::Entry, "Label16", "Введение", &TFPosobie::Label16Click},
    {Kind::Heading, "Label17", "Глава 1. Основные принципы построения систем ввода-вывода и интерфейсов", nullptr},
    {Kind::Section, "Label18", "1.1. Роль и место систем ввода-вывода и интерфейсов в компьютере",
     &TFPosobie::Label18Click},
    {Kind::Section, "Label19", "1.2. Основные принципы организации передачи информации в вычислительных системах",
     &TFPosobie::Label19Click},
    {Kind::Section, "Label20", "1.3. Шиноведение", &TFPosobie::Label20Click},
    {Kind::Section, "Label21", "1.4. Системные интерфейсы и шины расширения", &TFPosobie::Label21Click},
    {Kind::Section, "Label22", "1.5. Интерфейсы периферийных устройств", &TFPosobie::Label22Click},
    {Kind::Section, "Label23", "1.6. Структура систем ввода-вывода", &TFPosobie::Label23Click},
    {Kind::Section, "Label24", "1.7. Основные функции и принципы построения интерфейсов", &TFPosobie::Label24Click},
    {Kind::Section, "Label25", "1.8. Протоколы передачи данных в компьютерных интерфейсах", &TFPosobie::Label25Click},
    {Kind::Heading, "Label26", "Глава 2. Шины расширения", nullptr},
    {Kind::Section, "Label27", "2.1. Шина ISA", &TFPosobie::Label27Click},
    {Kind::Section, "Label28", "2.2. Шина PCI", &TFPosobie::Label28Click},
    {Kind::Section, "Label29", "2.3. Шины 3GIO и Hyper Transport", &TFPosobie::Label29Click},
    {Kind::Heading, "Label30", "Глава 3. Интерфейсы периферийных устройств", nullptr},
    {Kind::Section, "Label31", "3.1. Параллельный интерфейс: LPT-порт", &TFPosobie::Label31Click},
    {Kind::Section, "Label32", "3.2. Последовательные интерфейсы: COM-порт", &TFPosobie::Label32Click},
    {Kind::Section, "Label33", "3.3. Интерфейс SCSI", &TFPosobie::Label33Click},
    {Kind::Section, "Label34", "3.4. Интерфейс USB", &TFPosobie::Label34Click},
    {Kind::Heading, "Label2", "Глава 4. Схема для построения интерфейсов", nullptr},
    {Kind::Section, "Label7", "4.1. Таймер", &TFPosobie::Label7Click},
};

constexpr int kFirstTop = 8;
constexpr int kLineHeight = 17;
constexpr int kSpaceBeforeHeading = 5;
constexpr int kLeft = 16;
constexpr int kSectionLeft = 36;

} // namespace

TFPosobie::TFPosobie(QWidget *parent)
    : QWidget(parent)
{
    MenuWindow::setUp(this, QStringLiteral("FPosobie"), QStringLiteral("Учебное пособие \"Шиноведение\""), 703, 408);
    int top = kFirstTop;
    for (const MenuLine &line : kMenu) {
        const QString name = QString::fromLatin1(line.name);
        const QString caption = QString::fromUtf8(line.caption);
        if (line.kind == Kind::Heading) {
            top += kSpaceBeforeHeading;
            MenuWindow::heading(this, name, caption, kLeft, top);
        } else {
            ClickableLabel *label =
                MenuWindow::entry(this, name, caption, line.kind == Kind::Section ? kSectionLeft : kLeft, top);
            Guard::connect(label, &ClickableLabel::clicked, this, line.click);
        }
        top += kLineHeight;
    }
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
