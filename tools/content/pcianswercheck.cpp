#include "pcianswercheck.h"

#include "pci/signalstates.h"

#include <QRegularExpression>

namespace PciAnswerCheck {

bool isAnswer(const QString &relativePath)
{
    static const QRegularExpression pattern(QStringLiteral("^pci/lesson/answer[0-9]+\\.txt$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(relativePath).hasMatch();
}

void check(const QByteArray &source, const QString &fileName, SourceReport &report)
{
    QStringList lines = QString::fromUtf8(source).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the final line break
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QString fault = SignalStates::answerLineFault(i + 1, lines.at(i));
        if (!fault.isEmpty())
            report.error(fileName, i + 1, fault);
    }
    if (lines.size() < SignalStates::kSignalRows)
        report.error(fileName, 0,
                     QStringLiteral("строк %1, нужно %2: по строке на сигнал, сверху вниз как в pins.txt")
                         .arg(lines.size())
                         .arg(SignalStates::kSignalRows));
}

} // namespace PciAnswerCheck
