#include "scsi/aboutbox.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

PaintedPicture::PaintedPicture(Painter painter, QWidget *parent)
    : QWidget(parent)
    , m_painter(std::move(painter))
{}

void PaintedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_painter)
        m_painter(painter, size());
}

AboutBox::AboutBox(const QString &titleLine, PaintedPicture::Painter picture1, QSize size1,
                   PaintedPicture::Painter picture2, QSize size2, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("О программе"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xe8));
    setPalette(palette);
    setAutoFillBackground(true);

    auto *image1 = new PaintedPicture(std::move(picture1), this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(size1);
    auto *image2 = new PaintedPicture(std::move(picture2), this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setFixedSize(size2);

    auto *package = new QLabel(QStringLiteral("ПМК «Шиноведение»"), this);
    package->setObjectName(QStringLiteral("Label3"));
    package->setAlignment(Qt::AlignCenter);

    auto *title = new QLabel(titleLine, this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);

    auto *credits = new QLabel(QStringLiteral("Лабораторный практикум\n"
                                              "по шинам и интерфейсам ЭВМ\n\n"
                                              "Разработка: коллектив авторов ПМК «Шиноведение»\n"
                                              "Версия 1.0"),
                               this);
    credits->setObjectName(QStringLiteral("Label2"));
    credits->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *hint = new QLabel(QStringLiteral("Щёлкните мышью, чтобы закрыть это окно"), this);
    hint->setObjectName(QStringLiteral("Label4"));
    hint->setAlignment(Qt::AlignCenter);
    QFont hintFont = hint->font();
    hintFont.setItalic(true);
    hint->setFont(hintFont);
    QPalette hintPalette = hint->palette();
    hintPalette.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    hint->setPalette(hintPalette);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *lower = new QHBoxLayout;
    lower->addWidget(image2, 0, Qt::AlignVCenter);
    lower->addSpacing(12);
    lower->addWidget(credits, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(package);
    layout->addWidget(title);
    layout->addWidget(image1, 0, Qt::AlignHCenter);
    layout->addWidget(line);
    layout->addLayout(lower);
    layout->addWidget(hint);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void AboutBox::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

void AboutBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    accept();
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && isVisible()) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
