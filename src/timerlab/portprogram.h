#pragma once

#include <QString>
#include <QVector>
#include <optional>

class PcTimer;

// A program of port commands in the notation of the lab:
//   OUT 43h, 36h      ; write a byte to a port
//   IN 40h            ; read a byte from a port
//   WAIT 100          ; let 100 CLK periods pass
//   WAIT 20 мкс       ; ... or microseconds (мкс/us), milliseconds (мс/ms)
//   GATE 1, 0         ; set a GATE by hand (only without the PC wiring)
// Numbers are decimal, hexadecimal with "h" (9Ch, 0B6h) or "0x", binary with "b".
// A semicolon starts a comment.
struct PortCommand {
    enum class Op { Out, In, Wait, Gate };
    Op op = Op::Out;
    int line = 0;             // 1-based line in the source
    int port = 0;             // Out, In; channel for Gate
    int value = 0;            // Out: byte; Gate: level
    qint64 clocks = 0;        // Wait in CLK periods (when given in time units, rounded at run time)
    double microseconds = -1; // Wait given in time units
};

struct PortProgramError {
    int line = 0;
    QString message; // "Строка 3: ..."
};

class PortProgram {
public:
    // Parses the whole text; on the first error returns it and no commands.
    static std::optional<PortProgramError> parse(const QString &text, PortProgram &program);
    static std::optional<int> parseNumber(const QString &token);

    const QVector<PortCommand> &commands() const { return m_commands; }

private:
    QVector<PortCommand> m_commands;
};

// Runs a parsed program against the timer, one command at a time.
class PortProgramRunner {
public:
    struct Result {
        int line = 0;
        QString text; // what happened, e.g. "IN 40h -> 9Ch (1001 1100b)"
        std::optional<int> valueRead;
        QString warning;
    };

    PortProgramRunner(const PortProgram &program, PcTimer &timer);

    bool finished() const { return m_next >= m_program.commands().size(); }
    int nextLine() const;
    Result step();
    QVector<Result> runAll();

private:
    const PortProgram &m_program;
    PcTimer &m_timer;
    qsizetype m_next = 0;
};

QString hexByte(int value);
