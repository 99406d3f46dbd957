#include "shell/tfinterface.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "platform/windowframe.h"
#include "shell/artwork.h"
#include "shell/imagecontrol.h"
#include "shell/menubutton.h"
#include "shell/menukeys.h"
#include "shell/tfsoderg.h"
#include "shell/windowset.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QPushButton *menuButton(const QString &name, const QString &caption, int top, QWidget *parent)
{
    auto *button = new MenuButton(name, caption, parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    button->setFont(font);
    button->setGeometry(248, top, 105, 25);
    return button;
}

} // namespace

TFInterface::TFInterface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FInterface"));
    setWindowTitle(QStringLiteral("ПМК \"Шиноведение\""));
    WindowFrame::setFrameless(this);
    WindowFrame::setFixedClientSize(this, 600, 400);

    ImageForm = new ImageControl(QStringLiteral("ImageForm"), &Artwork::titleScreen, this);
    ImageForm->setGeometry(0, 0, 600, 400);
    ButtonNext = menuButton(QStringLiteral("ButtonNext"), QStringLiteral("Далее >"), 320, this);
    Button1 = menuButton(QStringLiteral("Button1"), QStringLiteral("Выход"), 360, this);
    ButtonNext->setDefault(true);
    // Escape does not end the program; Enter goes on to the contents.
    MenuKeys::install(this, MenuKeys::Escape::DoesNothing, ButtonNext);

    Guard::connect(ButtonNext, &QPushButton::clicked, this, &TFInterface::ButtonNextClick);
    Guard::connect(Button1, &QPushButton::clicked, this, &TFInterface::Button1Click);

    m_drag.end();
    WindowFrame::centreOnScreen(this);
}

void TFInterface::ButtonNextClick()
{
    Navigation::goTo(this, FSoderg);
}

void TFInterface::Button1Click()
{
    close();
}

void TFInterface::ImageFormMouseDown(int X, int Y)
{
    m_drag.begin(QPoint(X, Y));
}

void TFInterface::ImageFormMouseMove(int X, int Y)
{
    if (const auto topLeft = m_drag.moved(pos(), QPoint(X, Y)))
        move(*topLeft);
}

void TFInterface::ImageFormMouseUp(int, int)
{
    m_drag.end();
}

void TFInterface::closeEvent(QCloseEvent *event)
{
    // The end of the program. exit() rather than quit(): quit() would first
    // close every other window, running their return-on-close handlers.
    event->accept();
    QCoreApplication::exit(0);
}

void TFInterface::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint() - ImageForm->pos();
    if (ImageForm->rect().contains(at)) {
        m_imagePressed = true;
        Guard::run(this, [this, at] { ImageFormMouseDown(at.x(), at.y()); });
        return;
    }
    QWidget::mousePressEvent(event);
}

void TFInterface::mouseMoveEvent(QMouseEvent *event)
{
    if (m_imagePressed) {
        const QPoint at = event->position().toPoint() - ImageForm->pos();
        Guard::run(this, [this, at] { ImageFormMouseMove(at.x(), at.y()); });
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TFInterface::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_imagePressed) {
        m_imagePressed = false;
        const QPoint at = event->position().toPoint() - ImageForm->pos();
        Guard::run(this, [this, at] { ImageFormMouseUp(at.x(), at.y()); });
        return;
    }
    QWidget::mouseReleaseEvent(event);
}
