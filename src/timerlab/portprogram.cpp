#include "timerlab/portprogram.h"

#include "timerlab/pctimer.h"

#include <QRegularExpression>
#include <cmath>

QString hexByte(int value)
{
    QString hex = QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    if (hex.at(0).isLetter())
        hex.prepend(QLatin1Char('0'));
    return hex + QLatin1Char('h');
}

static QString binaryByte(int value)
{
    const QString bits = QString::number(value, 2).rightJustified(8, QLatin1Char('0'));
    return bits.left(4) + QLatin1Char(' ') + bits.mid(4) + QLatin1Char('b');
}

std::optional<int> PortProgram::parseNumber(const QString &raw)
{
    QString token = raw.trimmed().toLower();
    if (token.isEmpty())
        return std::nullopt;
    int base = 10;
    if (token.startsWith(QLatin1String("0x"))) {
        base = 16;
        token = token.mid(2);
    } else if (token.endsWith(QLatin1Char('h'))) {
        base = 16;
        token.chop(1);
    } else if (token.endsWith(QLatin1Char('b')) && token.size() > 1 &&
               QRegularExpression(QStringLiteral("^[01]+b$")).match(token).hasMatch()) {
        base = 2;
        token.chop(1);
    }
    if (token.isEmpty() || token.size() > 20)
        return std::nullopt;
    bool ok = false;
    const qlonglong value = token.toLongLong(&ok, base);
    if (!ok || value < 0 || value > 0x7FFFFFFF)
        return std::nullopt;
    return int(value);
}

namespace {

PortProgramError errorAt(int line, const QString &what)
{
    return {line, QStringLiteral("Строка %1: %2").arg(line).arg(what)};
}

QString portList()
{
    return QStringLiteral("40h, 41h, 42h, 43h или 61h");
}

} // namespace

std::optional<PortProgramError> PortProgram::parse(const QString &text, PortProgram &program)
{
    program.m_commands.clear();
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVector<PortCommand> commands;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        const qsizetype comment = line.indexOf(QLatin1Char(';'));
        if (comment >= 0)
            line.truncate(comment);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype space = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString word = (space < 0 ? line : line.left(space)).toUpper();
        const QString rest = space < 0 ? QString() : line.mid(space).trimmed();
        const QStringList args = rest.isEmpty() ? QStringList() : rest.split(QLatin1Char(','));
        PortCommand command;
        command.line = lineNo;
        if (word == QLatin1String("OUT") || word == QLatin1String("GATE")) {
            const bool isOut = word == QLatin1String("OUT");
            if (args.size() != 2)
                return errorAt(lineNo,
                               isOut ? QStringLiteral("после OUT нужны порт и значение через запятую: OUT 43h, 36h")
                                     : QStringLiteral("после GATE нужны номер канала и уровень: GATE 1, 0"));
            const auto first = parseNumber(args[0]);
            const auto second = parseNumber(args[1]);
            if (!first)
                return errorAt(lineNo, QStringLiteral("«%1» не является числом").arg(args[0].trimmed()));
            if (!second)
                return errorAt(lineNo, QStringLiteral("«%1» не является числом").arg(args[1].trimmed()));
            if (isOut) {
                if (!PcTimer::isTimerPort(*first))
                    return errorAt(lineNo, QStringLiteral("порт %1 не относится к таймеру (допустимы %2)")
                                               .arg(hexByte(*first & 0xFFFF), portList()));
                if (*second > 255)
                    return errorAt(
                        lineNo,
                        QStringLiteral("значение %1 не помещается в байт (0–255, 00h–0FFh)").arg(args[1].trimmed()));
                command.op = PortCommand::Op::Out;
            } else {
                if (*first > 2)
                    return errorAt(lineNo, QStringLiteral("канала %1 нет: каналы 0, 1, 2").arg(*first));
                if (*second > 1)
                    return errorAt(lineNo, QStringLiteral("уровень GATE — 0 или 1"));
                command.op = PortCommand::Op::Gate;
            }
            command.port = *first;
            command.value = *second;
        } else if (word == QLatin1String("IN")) {
            QString portText = rest;
            // "IN AL, 40h" as in assembly is accepted as well.
            if (args.size() == 2 && args[0].trimmed().compare(QLatin1String("AL"), Qt::CaseInsensitive) == 0)
                portText = args[1];
            else if (args.size() != 1)
                return errorAt(lineNo, QStringLiteral("после IN нужен один порт: IN 40h"));
            const auto port = parseNumber(portText);
            if (!port)
                return errorAt(lineNo, QStringLiteral("«%1» не является числом").arg(portText.trimmed()));
            if (!PcTimer::isTimerPort(*port))
                return errorAt(lineNo, QStringLiteral("порт %1 не относится к таймеру (допустимы %2)")
                                           .arg(hexByte(*port & 0xFFFF), portList()));
            command.op = PortCommand::Op::In;
            command.port = *port;
        } else if (word == QLatin1String("WAIT")) {
            static const QRegularExpression form(QStringLiteral("^([0-9.,]+)\\s*(такт\\S*|clk|мкс|us|мс|ms)?$"),
                                                 QRegularExpression::CaseInsensitiveOption);
            const auto match = form.match(rest);
            if (!match.hasMatch())
                return errorAt(
                    lineNo,
                    QStringLiteral("после WAIT нужно число тактов или время: WAIT 100, WAIT 20 мкс, WAIT 5 мс"));
            const QString unit = match.captured(2).toLower();
            bool ok = false;
            const double amount = QString(match.captured(1)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || amount < 0)
                return errorAt(lineNo, QStringLiteral("«%1» не является числом").arg(match.captured(1)));
            command.op = PortCommand::Op::Wait;
            if (unit.isEmpty() || unit.startsWith(QStringLiteral("такт")) || unit == QLatin1String("clk")) {
                if (amount != std::floor(amount) || amount > 1e9)
                    return errorAt(lineNo, QStringLiteral("число тактов — целое от 0 до 1000000000"));
                command.clocks = qint64(amount);
            } else {
                const double us =
                    (unit == QStringLiteral("мс") || unit == QLatin1String("ms")) ? amount * 1000 : amount;
                if (us > 1e8)
                    return errorAt(lineNo, QStringLiteral("слишком долгое ожидание: не более 100 с"));
                command.microseconds = us;
            }
        } else {
            return errorAt(lineNo,
                           QStringLiteral("неизвестная команда «%1» (допустимы OUT, IN, WAIT, GATE)").arg(word));
        }
        commands.append(command);
    }
    program.m_commands = commands;
    return std::nullopt;
}

PortProgramRunner::PortProgramRunner(const PortProgram &program, PcTimer &timer)
    : m_program(program)
    , m_timer(timer)
{}

int PortProgramRunner::nextLine() const
{
    return finished() ? 0 : m_program.commands()[m_next].line;
}

PortProgramRunner::Result PortProgramRunner::step()
{
    Result result;
    if (finished())
        return result;
    const PortCommand &command = m_program.commands()[m_next++];
    result.line = command.line;
    switch (command.op) {
    case PortCommand::Op::Out:
        if (!m_timer.acceptsPort(command.port)) {
            result.warning = QStringLiteral("порт 61h есть только при подключении как в PC: команда пропущена");
            result.text = QStringLiteral("OUT %1, %2 — пропущено").arg(hexByte(command.port), hexByte(command.value));
            break;
        }
        m_timer.out(command.port, uint8_t(command.value));
        result.warning = m_timer.chip().lastWarning();
        result.text = QStringLiteral("OUT %1, %2").arg(hexByte(command.port), hexByte(command.value));
        break;
    case PortCommand::Op::In: {
        const int value = m_timer.in(command.port);
        result.valueRead = value;
        result.warning = m_timer.chip().lastWarning();
        result.text = QStringLiteral("IN %1 -> %2 (%3)").arg(hexByte(command.port), hexByte(value), binaryByte(value));
        break;
    }
    case PortCommand::Op::Wait: {
        qint64 clocks = command.clocks;
        if (command.microseconds >= 0)
            clocks = qint64(std::llround(command.microseconds * m_timer.clockHz() / 1e6));
        m_timer.advance(clocks);
        result.text = QStringLiteral("WAIT: %1 тактов CLK").arg(clocks);
        break;
    }
    case PortCommand::Op::Gate:
        if (m_timer.pcWiring()) {
            result.warning = QStringLiteral(
                "при подключении как в PC GATE0 = GATE1 = 1, а GATE2 задаётся битом 0 порта 61h: команда пропущена");
            result.text = QStringLiteral("GATE %1, %2 — пропущено").arg(command.port).arg(command.value);
            break;
        }
        m_timer.setGate(command.port, command.value);
        result.text = QStringLiteral("GATE%1 = %2").arg(command.port).arg(command.value);
        break;
    }
    return result;
}

QVector<PortProgramRunner::Result> PortProgramRunner::runAll()
{
    QVector<Result> results;
    while (!finished())
        results.append(step());
    return results;
}
