#include "shell/tfukazaniya.h"

#include "platform/guard.h"
#include "platform/navigation.h"
#include "shell/artwork.h"
#include "shell/clickablelabel.h"
#include "shell/imagecontrol.h"
#include "shell/menuwindow.h"
#include "shell/shellactions.h"
#include "shell/tflabprakt.h"
#include "shell/windowset.h"

#include <QCloseEvent>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kFirstRow = 22;
constexpr int kRowStep = 40;

QLabel *captionLabel(QWidget *parent, const QString &name, const QString &caption, int row)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    QFont font = menuLabelFont();
    font.setPixelSize(13);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0x1c, 0x2c, 0x4a));
    label->setPalette(colours);
    label->setGeometry(28, kFirstRow + row * kRowStep, 160, 30);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QToolButton *pictureButton(QWidget *parent, const QString &name, int row)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIconSize(QSize(22, 22));
    button->setGeometry(200, kFirstRow + row * kRowStep, 30, 30);
    return button;
}

} // namespace

TFUkazaniya::TFUkazaniya(QWidget *parent)
    : QWidget(parent)
{
    MenuWindow::setUp(this, QStringLiteral("FUkazaniya"), QStringLiteral("Методические указания"), 262, 191);
    Image1 = new ImageControl(QStringLiteral("Image1"), &Artwork::instructionsBackground, this);
    Image1->setGeometry(0, 0, 262, 191);

    LPCI = captionLabel(this, QStringLiteral("LPCI"), QStringLiteral("Шина PCI:"), 0);
    Label2 = captionLabel(this, QStringLiteral("Label2"), QStringLiteral("Шина ISA:"), 1);
    LTimer = captionLabel(this, QStringLiteral("LTimer"), QStringLiteral("Таймер:"), 2);
    LAdapter = captionLabel(this, QStringLiteral("LAdapter"), QStringLiteral("Адаптер ВВ55А:"), 3);

    SpeedButton2 = pictureButton(this, QStringLiteral("SpeedButton2"), 0);
    SpeedButton1 = pictureButton(this, QStringLiteral("SpeedButton1"), 1);
    SpeedButton3 = pictureButton(this, QStringLiteral("SpeedButton3"), 2);
    SpeedButton4 = pictureButton(this, QStringLiteral("SpeedButton4"), 3);

    Guard::connect(SpeedButton2, &QToolButton::clicked, this, &TFUkazaniya::SpeedButton2Click);
    Guard::connect(SpeedButton1, &QToolButton::clicked, this, &TFUkazaniya::SpeedButton1Click);
    Guard::connect(SpeedButton3, &QToolButton::clicked, this, &TFUkazaniya::SpeedButton3Click);
    Guard::connect(SpeedButton4, &QToolButton::clicked, this, &TFUkazaniya::SpeedButton4Click);
}

void TFUkazaniya::showEvent(QShowEvent *event)
{
    // the buttons' picture is drawn when the window is first shown
    if (SpeedButton1->icon().isNull()) {
        const QIcon icon(Artwork::documentIcon());
        for (QToolButton *button : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
            button->setIcon(icon);
    }
    QWidget::showEvent(event);
}

void TFUkazaniya::SpeedButton2Click()
{
    ShellActions::openDocument(QStringLiteral("1.chm"));
}

void TFUkazaniya::SpeedButton1Click()
{
    ShellActions::openDocument(QStringLiteral("2.chm"));
}

void TFUkazaniya::SpeedButton3Click()
{
    ShellActions::openDocument(QStringLiteral("3.chm"));
}

void TFUkazaniya::SpeedButton4Click()
{
    ShellActions::openDocument(QStringLiteral("4.chm"));
}

void TFUkazaniya::FormClose()
{
    Navigation::show(FLabprakt);
}

void TFUkazaniya::closeEvent(QCloseEvent *event)
{
    Guard::close(event, this, &TFUkazaniya::FormClose);
}
