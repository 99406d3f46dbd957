#include "timerlab/channelpanel.h"

#include "timerlab/controlword.h"
#include "timerlab/pctimer.h"
#include "timerlab/portprogram.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

std::optional<int> parseControlWord(const QString &typed)
{
    QString text = typed.trimmed();
    text.remove(QLatin1Char(' '));
    // Eight binary digits need no suffix.
    if (QRegularExpression(QStringLiteral("^[01]{8}$")).match(text).hasMatch())
        text += QLatin1Char('b');
    const auto value = PortProgram::parseNumber(text);
    if (!value || *value > 255)
        return std::nullopt;
    return value;
}

} // namespace

ChannelPanel::ChannelPanel(PcTimer &timer, int channel, QWidget *parent)
    : QGroupBox(parent)
    , m_timer(timer)
    , m_channel(channel)
{
    setObjectName(QStringLiteral("Channel%1").arg(channel));
    setTitle(QStringLiteral("Канал %1 (порт %2)").arg(channel).arg(hexByte(0x40 + channel)));
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    m_controlEdit = new QLineEdit(this);
    m_controlEdit->setObjectName(QStringLiteral("ControlWordEdit%1").arg(channel));
    m_controlEdit->setPlaceholderText(QStringLiteral("36h или 00110110b"));
    m_controlEdit->setText(hexByte(channel << 6 | 0x36));
    auto *writeControl = new QPushButton(QStringLiteral("Записать в 43h"), this);
    writeControl->setObjectName(QStringLiteral("WriteControlButton%1").arg(channel));
    m_decoded = new QLabel(this);
    m_decoded->setObjectName(QStringLiteral("DecodedLabel%1").arg(channel));
    m_decoded->setFont(mono);
    m_decoded->setTextFormat(Qt::PlainText);
    m_decoded->setMinimumHeight(QFontMetrics(mono).lineSpacing() * 5);
    m_decoded->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    m_countEdit = new QLineEdit(this);
    m_countEdit->setObjectName(QStringLiteral("CountEdit%1").arg(channel));
    m_countEdit->setPlaceholderText(QStringLiteral("1000 или 03E8h"));
    auto *load = new QPushButton(QStringLiteral("Загрузить N"), this);
    load->setObjectName(QStringLiteral("LoadCountButton%1").arg(channel));

    m_gate = new QCheckBox(QStringLiteral("GATE%1").arg(channel), this);
    m_gate->setObjectName(QStringLiteral("GateCheck%1").arg(channel));
    auto *latchButton = new QPushButton(QStringLiteral("Фиксировать"), this);
    latchButton->setObjectName(QStringLiteral("LatchButton%1").arg(channel));
    latchButton->setToolTip(QStringLiteral("Команда фиксации: OUT 43h, %1").arg(hexByte(channel << 6)));
    auto *read = new QPushButton(QStringLiteral("IN %1").arg(hexByte(0x40 + channel)), this);
    read->setObjectName(QStringLiteral("ReadButton%1").arg(channel));
    m_readResult = new QLabel(this);
    m_readResult->setObjectName(QStringLiteral("ReadResult%1").arg(channel));
    m_readResult->setFont(mono);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("StateLabel%1").arg(channel));
    m_state->setFont(mono);
    m_state->setTextFormat(Qt::PlainText);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Управляющее слово:"), this), 0, 0);
    grid->addWidget(m_controlEdit, 0, 1);
    grid->addWidget(writeControl, 0, 2);
    grid->addWidget(m_decoded, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Коэффициент:"), this), 2, 0);
    grid->addWidget(m_countEdit, 2, 1);
    grid->addWidget(load, 2, 2);
    auto *row = new QHBoxLayout;
    row->addWidget(m_gate);
    row->addStretch();
    row->addWidget(latchButton);
    row->addWidget(read);
    grid->addLayout(row, 3, 0, 1, 3);
    grid->addWidget(m_readResult, 4, 0, 1, 3);
    grid->addWidget(m_state, 5, 0, 1, 3);
    grid->setRowStretch(6, 1);

    connect(m_controlEdit, &QLineEdit::textChanged, this, &ChannelPanel::decodeTyped);
    connect(m_controlEdit, &QLineEdit::returnPressed, this, &ChannelPanel::writeControlWord);
    connect(writeControl, &QPushButton::clicked, this, &ChannelPanel::writeControlWord);
    connect(m_countEdit, &QLineEdit::returnPressed, this, &ChannelPanel::loadCount);
    connect(load, &QPushButton::clicked, this, &ChannelPanel::loadCount);
    connect(latchButton, &QPushButton::clicked, this, &ChannelPanel::latch);
    connect(read, &QPushButton::clicked, this, &ChannelPanel::readByte);
    connect(m_gate, &QCheckBox::toggled, this, [this](bool on) {
        if (m_timer.pcWiring() || m_timer.gate(m_channel) == on)
            return;
        m_timer.setGate(m_channel, on);
        Q_EMIT logged(QStringLiteral("GATE%1 = %2").arg(m_channel).arg(on ? 1 : 0));
        Q_EMIT timerChanged();
    });
    decodeTyped();
    refresh();
}

void ChannelPanel::decodeTyped()
{
    const auto word = parseControlWord(m_controlEdit->text());
    if (!word) {
        m_decoded->setText(QStringLiteral("Введите байт: шестнадцатеричный (36h) или двоичный (00110110b)"));
        return;
    }
    const ControlWord decoded = ControlWord::decode(uint8_t(*word));
    QString text =
        QStringLiteral("%1 = %2b\n").arg(hexByte(*word), QString::number(*word, 2).rightJustified(8, QLatin1Char('0')));
    text += decoded.describe();
    if (decoded.kind != ControlWord::Kind::ReadBack && decoded.channel != m_channel)
        text += QStringLiteral("\nВнимание: слово адресовано каналу %1").arg(decoded.channel);
    m_decoded->setText(text);
}

bool ChannelPanel::writeControlWord()
{
    const auto word = parseControlWord(m_controlEdit->text());
    if (!word) {
        Q_EMIT logged(QStringLiteral("Канал %1: управляющее слово «%2» не является байтом")
                          .arg(m_channel)
                          .arg(m_controlEdit->text()));
        return false;
    }
    m_timer.out(0x43, uint8_t(*word));
    Q_EMIT logged(QStringLiteral("OUT 43h, %1").arg(hexByte(*word)));
    if (!m_timer.chip().lastWarning().isEmpty())
        Q_EMIT logged(m_timer.chip().lastWarning());
    Q_EMIT timerChanged();
    return true;
}

QList<uint8_t> ChannelPanel::countBytes(int count, int access, bool bcd)
{
    const int limit = bcd ? 10000 : 65536;
    int value = count % limit;
    if (bcd)
        value = (value / 1000 % 10) << 12 | (value / 100 % 10) << 8 | (value / 10 % 10) << 4 | (value % 10);
    switch (access) {
    case 1:
        return {uint8_t(value & 0xFF)};
    case 2:
        return {uint8_t(value >> 8)};
    default:
        return {uint8_t(value & 0xFF), uint8_t(value >> 8)};
    }
}

bool ChannelPanel::loadCount()
{
    const PitCounter &counter = m_timer.chip().counter(m_channel);
    if (!counter.programmed()) {
        Q_EMIT logged(
            QStringLiteral("Канал %1 не запрограммирован: сначала запишите управляющее слово").arg(m_channel));
        return false;
    }
    const QString typed = m_countEdit->text().trimmed();
    const auto parsed = PortProgram::parseNumber(typed);
    const int limit = counter.bcd() ? 10000 : 65536;
    const bool raw = typed.endsWith(QLatin1Char('h'), Qt::CaseInsensitive) ||
                     typed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    if (!parsed || (raw && *parsed > 0xFFFF) || (!raw && (*parsed < 1 || *parsed > limit))) {
        Q_EMIT logged(
            QStringLiteral(
                "Канал %1: коэффициент «%2» не подходит: N от 1 до %3 (десятичное) или значение регистра 0000h–FFFFh")
                .arg(m_channel)
                .arg(typed)
                .arg(limit));
        return false;
    }
    QList<uint8_t> bytes;
    const int access = int(counter.access());
    if (raw) {
        const int value = *parsed;
        bytes = access == 1   ? QList<uint8_t>{uint8_t(value & 0xFF)}
                : access == 2 ? QList<uint8_t>{uint8_t(value >> 8)}
                              : QList<uint8_t>{uint8_t(value & 0xFF), uint8_t(value >> 8)};
    } else {
        bytes = countBytes(*parsed, access, counter.bcd());
        const QList<uint8_t> whole = countBytes(*parsed, 3, counter.bcd());
        if ((access == 1 && whole[1] != 0) || (access == 2 && whole[0] != 0))
            Q_EMIT logged(QStringLiteral("Внимание: формат «%1» не передаёт N = %2 целиком")
                              .arg(ControlWord::accessName(counter.access()))
                              .arg(*parsed));
    }
    for (const uint8_t byte : bytes) {
        m_timer.out(0x40 + m_channel, byte);
        Q_EMIT logged(QStringLiteral("OUT %1, %2").arg(hexByte(0x40 + m_channel), hexByte(byte)));
    }
    Q_EMIT timerChanged();
    return true;
}

void ChannelPanel::latch()
{
    m_timer.out(0x43, uint8_t(m_channel << 6));
    Q_EMIT logged(QStringLiteral("OUT 43h, %1 ; фиксация канала %2").arg(hexByte(m_channel << 6)).arg(m_channel));
    Q_EMIT timerChanged();
}

void ChannelPanel::readByte()
{
    const int value = m_timer.in(0x40 + m_channel);
    const QString line = QStringLiteral("IN %1 -> %2 (%3b)")
                             .arg(hexByte(0x40 + m_channel), hexByte(value),
                                  QString::number(value, 2).rightJustified(8, QLatin1Char('0')));
    m_readResult->setText(line);
    Q_EMIT logged(line);
    Q_EMIT timerChanged();
}

void ChannelPanel::refresh()
{
    const PitCounter &c = m_timer.chip().counter(m_channel);
    m_gate->setEnabled(!m_timer.pcWiring());
    m_gate->setChecked(c.gate());
    m_gate->setToolTip(m_timer.pcWiring()
                           ? (m_channel == 2 ? QStringLiteral("В PC GATE2 — бит 0 порта 61h")
                                             : QStringLiteral("В PC GATE%1 всегда равен 1").arg(m_channel))
                           : QString());
    if (!c.programmed()) {
        m_state->setText(QStringLiteral("Не запрограммирован\nOUT = %1").arg(c.out() ? 1 : 0));
        return;
    }
    const int digits = 4;
    QString text =
        QStringLiteral("Режим %1, %2, %3\n")
            .arg(c.mode())
            .arg(ControlWord::accessName(c.access()), c.bcd() ? QStringLiteral("BCD") : QStringLiteral("двоичный"));
    text += QStringLiteral("CR = %1h  CE = %2h (%3)\n")
                .arg(QString::number(c.countRegister(), 16).toUpper().rightJustified(digits, QLatin1Char('0')))
                .arg(QString::number(c.countingElement(), 16).toUpper().rightJustified(digits, QLatin1Char('0')))
                .arg(c.bcd() ? QString::number(c.countingElement(), 16) : QString::number(c.countingElement()));
    text += QStringLiteral("OUT = %1  NULL COUNT = %2  Состояние = %3")
                .arg(c.out() ? 1 : 0)
                .arg(c.nullCount() ? 1 : 0)
                .arg(hexByte(c.statusByte()));
    if (c.countLatched())
        text += QStringLiteral("\nСчётчик зафиксирован (ждёт чтения)");
    if (c.statusLatched())
        text += QStringLiteral("\nБайт состояния зафиксирован (ждёт чтения)");
    if (c.waitingForHighByte())
        text += QStringLiteral("\nЖдёт старший байт коэффициента");
    if (c.invalidCount())
        text += QStringLiteral("\nN = 1 недопустим в режимах 2 и 3: канал не считает");
    if (c.invalidBcd())
        text += QStringLiteral("\nКоэффициент не является двоично-десятичным числом");
    m_state->setText(text);
}
