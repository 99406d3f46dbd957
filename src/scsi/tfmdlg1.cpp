#include "scsi/tfmdlg1.h"

#include "platform/guard.h"
#include "scsi/phasechainlayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

namespace {

// A number changed only by its up-down arrows (and the arrow keys), as an
// edit that the student cannot type into.
class StepSpinBox : public QSpinBox {
public:
    explicit StepSpinBox(QWidget *parent)
        : QSpinBox(parent)
    {
        lineEdit()->setReadOnly(true);
    }
};

class Preview : public QWidget {
public:
    Preview(const TFMDlg1 &dialog, QWidget *parent)
        : QWidget(parent)
        , m_dialog(dialog)
    {
        setObjectName(QStringLiteral("Preview1"));
        setFixedSize(200, 200);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const ChainParameters p = m_dialog.workingParameters();
        const int d = p.diameter;
        const int g = p.gap;
        const int a = p.spread;
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing, true);

        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(0, 128, 0));
        painter.drawEllipse(QRect(10, 10, d, d));

        QFont font = painter.font();
        font.setPixelSize(PhaseChainLayout::pixelSize(PhaseChainLayout::kAbbreviationFontSize));
        drawText(painter, font, QPoint(d / 2, d / 2 + 3), QStringLiteral("AR"), Qt::white, QColor());

        font.setPixelSize(PhaseChainLayout::pixelSize(p.labelFontSize));
        painter.setPen(QPen(Qt::black, 2));
        const QPoint tip(g + d + 10, d / 2 + 10);
        painter.drawLine(QPoint(d + 10, d / 2 + 10), tip);
        painter.drawLine(tip, QPoint(g + d, d / 2 + 10 - a));
        painter.drawLine(tip, QPoint(g + d, d / 2 + 10 + a));
        drawText(painter, font, QPoint(d + 10, d / 2 - 5), QStringLiteral("BSY#"), Qt::black,
                 palette().color(QPalette::Button));

        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    static void drawText(QPainter &painter, const QFont &font, QPoint topLeft, const QString &text, QColor color,
                         QColor background)
    {
        painter.setFont(font);
        const QFontMetrics metrics(font, painter.device());
        if (background.isValid())
            painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height())), background);
        painter.setPen(color);
        painter.drawText(topLeft + QPoint(0, metrics.ascent()), text);
    }

    const TFMDlg1 &m_dialog;
};

} // namespace

TFMDlg1::TFMDlg1(PhaseExercise &exercise, QWidget *parent)
    : QDialog(parent)
    , m_exercise(exercise)
    , m_working(exercise.parameters())
{
    setObjectName(QStringLiteral("FMDlg1"));
    setWindowTitle(QStringLiteral("Параметры"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_preview = new Preview(*this, this);
    m_preview->move(10, 10);

    m_circle = addRow(QStringLiteral("E_circle"), QStringLiteral("Радиус  окружности"), 10, 100, 5, 12);
    m_font = addRow(QStringLiteral("E_font"), QStringLiteral("Размер  шрифта"), 5, 20, 1, 62);
    m_string = addRow(QStringLiteral("E_string"), QStringLiteral("Размер  стрелок"), 0, 30, 1, 112);
    m_dist = addRow(QStringLiteral("E_dist"), QStringLiteral("Расстояние"), 10, 200, 1, 162);

    auto *apply = new QPushButton(QStringLiteral("Применить"), this);
    apply->setObjectName(QStringLiteral("Button1"));
    apply->setAutoDefault(false);
    apply->setGeometry(10, 222, 200, 30);
    auto *exit = new QPushButton(QStringLiteral("ВЫХОД"), this);
    exit->setObjectName(QStringLiteral("Button_exit1"));
    exit->setAutoDefault(false);
    exit->setGeometry(225, 222, 170, 30);
    setFixedSize(405, 264);

    for (QSpinBox *spin : {m_circle, m_font, m_string, m_dist})
        Guard::connect(spin, &QSpinBox::valueChanged, this, &TFMDlg1::UD_circleChanging);
    Guard::connect(apply, &QPushButton::clicked, this, &TFMDlg1::Button1Click);
    Guard::connect(exit, &QPushButton::clicked, this, &TFMDlg1::Button_exit1Click);
    FormShow();
}

QSpinBox *TFMDlg1::addRow(const QString &name, const QString &caption, int minimum, int maximum, int step, int top)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QStringLiteral("L") + name);
    label->setGeometry(225, top, 170, 18);
    auto *spin = new StepSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setGeometry(225, top + 20, 90, 24);
    label->setBuddy(spin);
    return spin;
}

void TFMDlg1::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TFMDlg1::FormShow()
{
    m_working = m_exercise.parameters();
    const QSignalBlocker b1(m_circle), b2(m_font), b3(m_string), b4(m_dist);
    m_circle->setValue(m_working.diameter);
    m_font->setValue(m_working.labelFontSize);
    m_string->setValue(m_working.spread);
    m_dist->setValue(m_working.gap);
    m_preview->update();
}

void TFMDlg1::UD_circleChanging()
{
    auto *spin = qobject_cast<QSpinBox *>(sender());
    if (!spin)
        return;
    const QString name = spin->objectName();
    if (name == QLatin1String("E_circle"))
        m_working.diameter = spin->value();
    else if (name == QLatin1String("E_string"))
        m_working.spread = spin->value();
    else if (name == QLatin1String("E_dist"))
        m_working.gap = spin->value();
    else if (name == QLatin1String("E_font"))
        m_working.labelFontSize = spin->value();
    m_preview->update();
}

void TFMDlg1::Button1Click()
{
    m_exercise.setParameters(m_working);
    Q_EMIT applied();
}

void TFMDlg1::Button_exit1Click()
{
    reject();
}
