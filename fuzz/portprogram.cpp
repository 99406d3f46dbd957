// The timer program's port-command reader: any text either parses into commands
// whose lines lie within the text and whose values are in range, or is refused
// with a message naming a line of the text.
#include "fuzzsupport.h"

#include "timerlab/pctimer.h"
#include "timerlab/portprogram.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    PortProgram program;
    if (const auto error = PortProgram::parse(text, program)) {
        Fuzz::require(error->line >= 1 && error->line <= lines, "an error names a line of the text");
        Fuzz::require(error->message.startsWith(QStringLiteral("Строка %1: ").arg(error->line)),
                      "the message starts with the line");
        Fuzz::require(program.commands().isEmpty(), "a refused program has no commands");
        return 0;
    }
    qint64 waited = 0;
    for (const PortCommand &command : program.commands()) {
        Fuzz::require(command.line >= 1 && command.line <= lines, "a command lies on a line of the text");
        if (command.op == PortCommand::Op::Out)
            Fuzz::require(PcTimer::isTimerPort(command.port) && command.value >= 0 && command.value <= 255,
                          "OUT writes a byte to a timer port");
        if (command.op == PortCommand::Op::Wait)
            waited += command.microseconds >= 0 ? qint64(command.microseconds * 1.2) + 1 : command.clocks;
    }
    // Running is bounded: only short programs are run, so a long WAIT does not stall the fuzzer.
    if (waited <= 100000 && program.commands().size() <= 1000) {
        PcTimer timer;
        PortProgramRunner runner(program, timer);
        for (const auto &result : runner.runAll())
            Fuzz::require(result.line >= 1, "every step names its line");
    }
    return 0;
}
