#include "pci/tpres.h"

#include "platform/metafile.h"
#include "platform/metafileview.h"
#include "platform/windowframe.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kWidth = 530;
constexpr int kHeight = 330;
constexpr int kBandHeight = 96;
const QString kPicture = QStringLiteral("pci\\pci_info\\pci.wmf");

// A colour value written as the platform's BGR number 0x00BBGGRR.
QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

TPres::TPres(QWidget *parent)
    : PciDialog(parent)
{
    setObjectName(QStringLiteral("Pres"));
    setWindowTitle(QStringLiteral("О программе"));
    WindowFrame::setTitleBar(this, WindowFrame::Boxes::Close);
    WindowFrame::setFixedClientSize(this, kWidth, kHeight);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(0, 0, kWidth, kBandHeight);

    m_title = new QLabel(QStringLiteral("Шина PCI"), Image2);
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setGeometry(0, 8, kWidth, 50);
    QFont titleFont = m_title->font();
    titleFont.setPointSize(28);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color: white"));
    auto *subtitle = new QLabel(QStringLiteral("обучающая программа пакета «Шиноведение»"), Image2);
    subtitle->setObjectName(QStringLiteral("SubtitleLabel"));
    subtitle->setAlignment(Qt::AlignCenter);
    subtitle->setGeometry(0, 58, kWidth, 26);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSize(12);
    subtitleFont.setBold(true);
    subtitle->setFont(subtitleFont);
    subtitle->setStyleSheet(QStringLiteral("color: white"));

    m_pictureFrame = new QWidget(this);
    m_pictureFrame->setObjectName(QStringLiteral("PictureFrame"));
    m_pictureFrame->setGeometry(12, kBandHeight + 12, 230, kHeight - kBandHeight - 24);
    m_pictureFrame->setAutoFillBackground(true);
    QPalette white = m_pictureFrame->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pictureFrame->setPalette(white);

    m_credits = new QLabel(this);
    m_credits->setObjectName(QStringLiteral("CreditsLabel"));
    m_credits->setWordWrap(true);
    m_credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_credits->setGeometry(256, kBandHeight + 12, kWidth - 268, kHeight - kBandHeight - 64);
    m_credits->setText(QStringLiteral(
        "Лабораторный тренажёр по курсу «Шиноведение»: сигналы и команды шины PCI, циклы чтения, записи и "
        "конфигурации, арбитраж, электронный урок по временным диаграммам и контрольные вопросы.\n\n"
        "Программно-методический комплекс для изучения шин и интерфейсов компьютера.\n\nВерсия 1.0"));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(kWidth - 102, kHeight - 42, 90, 30);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
    WindowFrame::centreOnScreen(this);
}

QColor TPres::bandColour(int x)
{
    // Blue falls and green rises over x = 1 .. 255, then green falls and red
    // rises from x = 256: each line one step of 0x00FF00, then of 0x0000FF.
    quint32 colour = 0xFF0000;
    for (int line = 1; line < x && line <= 512; ++line)
        colour -= line <= 255 ? 0x00FF00 : 0x0000FF;
    return fromBgr(colour);
}

void TPres::FormCreate()
{
    QPixmap canvas(Image2->size());
    canvas.fill(palette().color(QPalette::Window));
    QPainter painter(&canvas);
    for (int x = 1; x <= 512 && x < canvas.width(); ++x) {
        painter.setPen(bandColour(x));
        painter.drawLine(x, 0, x, canvas.height() - 1);
    }
    painter.end();
    Image2->setPixmap(canvas);
}

void TPres::loadPicture()
{
    const Metafile picture = Metafile::load(kPicture);
    if (!m_picture) {
        m_picture = new MetafileView(m_pictureFrame);
        m_picture->setObjectName(QStringLiteral("Image1"));
        m_picture->setFit(MetafileView::Fit::Stretch);
        m_picture->setGeometry(m_pictureFrame->rect().adjusted(6, 6, -6, -6));
    }
    m_picture->setMetafile(picture);
}
