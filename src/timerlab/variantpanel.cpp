#include "timerlab/variantpanel.h"

#include "timerlab/labvariants.h"
#include "timerlab/portprogram.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

QString modeGoal(const LabVariant &v)
{
    return QStringLiteral("канал %1, режим %2, fCLK = %3 МГц, %4, счёт %5")
        .arg(v.channel)
        .arg(v.mode)
        .arg(QLocale(QLocale::Russian).toString(v.clockHz / 1e6, 'g', 7))
        .arg(QString::fromUtf8(v.requirement))
        .arg(v.bcd ? QStringLiteral("двоично-десятичный") : QStringLiteral("двоичный"));
}

} // namespace

VariantPanel::VariantPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("VariantPanel"));
    m_variant = new QComboBox(this);
    m_variant->setObjectName(QStringLiteral("VariantBox"));
    for (int i = 0; i < labVariantCount(); ++i) {
        const LabVariant &v = labVariants()[i];
        m_variant->addItem(QStringLiteral("Вариант %1: %2").arg(v.number).arg(modeGoal(v)));
    }
    m_controlWord = new QLineEdit(this);
    m_controlWord->setObjectName(QStringLiteral("VariantControlWord"));
    m_controlWord->setPlaceholderText(QStringLiteral("например 36h или 00110110b"));
    m_count = new QLineEdit(this);
    m_count->setObjectName(QStringLiteral("VariantCount"));
    m_count->setPlaceholderText(QStringLiteral("N десятичное (23864) или значение регистра (5D38h)"));
    auto *checkButton = new QPushButton(QStringLiteral("Проверить"), this);
    checkButton->setObjectName(QStringLiteral("VariantCheckButton"));
    m_verdict = new QPlainTextEdit(this);
    m_verdict->setObjectName(QStringLiteral("VariantVerdict"));
    m_verdict->setReadOnly(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Вариант:"), m_variant);
    form->addRow(QStringLiteral("Управляющее слово:"), m_controlWord);
    form->addRow(QStringLiteral("Коэффициент N:"), m_count);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(checkButton, 0, Qt::AlignLeft);
    layout->addWidget(m_verdict);

    connect(checkButton, &QPushButton::clicked, this, &VariantPanel::check);
    connect(m_count, &QLineEdit::returnPressed, this, &VariantPanel::check);
    connect(m_controlWord, &QLineEdit::returnPressed, m_count, qOverload<>(&QWidget::setFocus));
    connect(m_variant, &QComboBox::currentIndexChanged, this, &VariantPanel::showVariant);
    showVariant();
}

void VariantPanel::showVariant()
{
    const LabVariant &v = labVariants()[m_variant->currentIndex()];
    m_verdict->setPlainText(
        QStringLiteral("Вариант %1: %2.\nРассчитайте N, составьте управляющее слово и нажмите «Проверить».")
            .arg(v.number)
            .arg(modeGoal(v)));
}

void VariantPanel::check()
{
    const LabVariant &v = labVariants()[m_variant->currentIndex()];
    QString typed = m_controlWord->text().trimmed();
    typed.remove(QLatin1Char(' '));
    if (QRegularExpression(QStringLiteral("^[01]{8}$")).match(typed).hasMatch())
        typed += QLatin1Char('b');
    const auto word = PortProgram::parseNumber(typed);
    if (!word || *word > 255) {
        m_verdict->setPlainText(
            QStringLiteral("Управляющее слово «%1» не является байтом: введите его как 36h или 00110110b")
                .arg(m_controlWord->text()));
        return;
    }
    const VariantVerdict verdict = checkVariant(v, uint8_t(*word), m_count->text());
    QString text = verdict.right ? QStringLiteral("Всё верно.\n\n") : QStringLiteral("Есть ошибки.\n\n");
    text += verdict.lines.join(QLatin1Char('\n'));
    m_verdict->setPlainText(text);
}

QString VariantPanel::verdictText() const
{
    return m_verdict->toPlainText();
}
