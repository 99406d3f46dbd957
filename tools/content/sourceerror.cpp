#include "sourceerror.h"

QString SourceError::text() const
{
    if (line > 0)
        return file + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ") + what;
    return file + QStringLiteral(": ") + what;
}

void SourceReport::append(const SourceReport &other)
{
    errors.append(other.errors);
    warnings.append(other.warnings);
    notes.append(other.notes);
}
