#include "shell/tfpracticum.h"

#include "isa/tisaform.h"
#include "pci/tpciform.h"
#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"
#include "scsi/tmain_form.h"
#include "shell/artwork.h"
#include "shell/imagecontrol.h"
#include "shell/menubutton.h"
#include "shell/menukeys.h"
#include "shell/shellactions.h"
#include "shell/tflabprakt.h"
#include "shell/windowset.h"
#include "usb/tmain_formusb.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

TFPracticum::TFPracticum(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FPracticum"));
    setWindowTitle(QStringLiteral("Лабораторные практикумы"));
    WindowFrame::setFrameless(this);
    WindowFrame::setFixedClientSize(this, 248, 246);
    setAttribute(Qt::WA_OpaquePaintEvent);

    FormBrowser = new ImageControl(QStringLiteral("FormBrowser"), &Artwork::practicumTitle, this);
    FormBrowser->setGeometry(0, 0, 248, Artwork::kPracticumTitleHeight);
    ExitButton = new ImageControl(QStringLiteral("ExitButton"), &Artwork::practicumExit, this);
    ExitButton->setGeometry(218, 4, 28, 28);

    ButtonPCI = button(QStringLiteral("ButtonPCI"), QStringLiteral("Шина PCI"), 0);
    ButtonISA = button(QStringLiteral("ButtonISA"), QStringLiteral("Шина ISA"), 1);
    ButtonTimer = button(QStringLiteral("ButtonTimer"), QStringLiteral("Таймер"), 2);
    ButtonSCSI = button(QStringLiteral("ButtonSCSI"), QStringLiteral("Шина SCSI"), 3);
    ButtonUSB = button(QStringLiteral("ButtonUSB"), QStringLiteral("Шина USB"), 4);
    ButtonAdapter = button(QStringLiteral("ButtonAdapter"), QStringLiteral("Адаптер BB55A"), 5);

    Guard::connect(ButtonPCI, &QPushButton::clicked, this, &TFPracticum::ButtonPCIClick);
    Guard::connect(ButtonISA, &QPushButton::clicked, this, &TFPracticum::ButtonISAClick);
    Guard::connect(ButtonTimer, &QPushButton::clicked, this, &TFPracticum::ButtonTimerClick);
    Guard::connect(ButtonSCSI, &QPushButton::clicked, this, &TFPracticum::ButtonSCSIClick);
    Guard::connect(ButtonUSB, &QPushButton::clicked, this, &TFPracticum::ButtonUSBClick);
    Guard::connect(ButtonAdapter, &QPushButton::clicked, this, &TFPracticum::ButtonAdapterClick);

    WindowFrame::centreOnScreen(this);
    MenuKeys::install(this, MenuKeys::Escape::Closes);
}

QPushButton *TFPracticum::button(const QString &name, const QString &caption, int row)
{
    auto *pushButton = new MenuButton(name, caption, this);
    pushButton->setGeometry(56, 50 + row * 31, 140, 25);
    return pushButton;
}

void TFPracticum::ButtonPCIClick()
{
    Navigation::goTo(this, Pciform);
}

void TFPracticum::ButtonISAClick()
{
    Navigation::goTo(this, ISAForm);
}

void TFPracticum::ButtonTimerClick()
{
    ShellActions::runTimerProgram(this);
}

void TFPracticum::ButtonSCSIClick()
{
    Navigation::goTo(this, Main_form);
}

void TFPracticum::ButtonUSBClick()
{
    Navigation::goTo(this, Main_formusb);
}

void TFPracticum::ButtonAdapterClick()
{
    ShellActions::exploreAdapterFolder();
}

void TFPracticum::FormBrowserMouseDown(int X, int Y)
{
    m_drag.begin(QPoint(X, Y));
    FormBrowser->hide();
}

void TFPracticum::FormBrowserMouseMove(int X, int Y)
{
    if (const auto topLeft = m_drag.moved(pos(), QPoint(X, Y)))
        move(*topLeft);
}

void TFPracticum::FormBrowserMouseUp(int, int)
{
    m_drag.end();
    FormBrowser->show();
}

void TFPracticum::ExitButtonMouseDown(int, int)
{
    ExitButton->hide();
}

void TFPracticum::ExitButtonMouseUp(int, int)
{
    ExitButton->show();
}

void TFPracticum::ExitButtonClick()
{
    close();
}

void TFPracticum::FormClose()
{
    Navigation::show(FLabprakt);
}

void TFPracticum::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFPracticum::FormClose);
}

void TFPracticum::paintEvent(QPaintEvent *)
{
    if (m_background.isNull())
        m_background = Artwork::practicumBackground();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

// The pictures take no mouse input of their own (see ImageControl): the
// window hit-tests them, the close picture lying over the title picture, and
// keeps sending to the pressed one until the button is released, hidden or not.
void TFPracticum::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (ExitButton->geometry().contains(at)) {
        m_pressed = Pressed::ExitButton;
        const QPoint local = at - ExitButton->pos();
        Guard::run(this, [this, local] { ExitButtonMouseDown(local.x(), local.y()); });
        return;
    }
    if (FormBrowser->geometry().contains(at)) {
        m_pressed = Pressed::FormBrowser;
        const QPoint local = at - FormBrowser->pos();
        Guard::run(this, [this, local] { FormBrowserMouseDown(local.x(), local.y()); });
        return;
    }
    QWidget::mousePressEvent(event);
}

void TFPracticum::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed == Pressed::FormBrowser) {
        const QPoint local = event->position().toPoint() - FormBrowser->pos();
        Guard::run(this, [this, local] { FormBrowserMouseMove(local.x(), local.y()); });
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TFPracticum::mouseReleaseEvent(QMouseEvent *event)
{
    const Pressed pressed = m_pressed;
    m_pressed = Pressed::None;
    const QPoint at = event->position().toPoint();
    if (pressed == Pressed::FormBrowser) {
        const QPoint local = at - FormBrowser->pos();
        Guard::run(this, [this, local] { FormBrowserMouseUp(local.x(), local.y()); });
        return;
    }
    if (pressed == Pressed::ExitButton) {
        const QPoint local = at - ExitButton->pos();
        const bool inside = ExitButton->rect().contains(local);
        Guard::run(this, [this, local] { ExitButtonMouseUp(local.x(), local.y()); });
        if (inside && event->button() == Qt::LeftButton)
            Guard::run(this, [this] { ExitButtonClick(); });
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
