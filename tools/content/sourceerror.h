#pragma once

#include <QList>
#include <QString>

// A fault in a content source: the file, the line (0 when the fault concerns the
// whole file) and what is wrong.
struct SourceError {
    QString file;
    int line = 0;
    QString what;

    // "file:line: what", or "file: what" without a line.
    QString text() const;
};

// Errors and warnings gathered while a source is read. Errors make the build
// refuse the source; warnings are shown and the output is still written; notes
// are figures worth showing that need no action.
struct SourceReport {
    QList<SourceError> errors;
    QList<SourceError> warnings;
    QList<SourceError> notes;

    bool ok() const { return errors.isEmpty(); }
    void error(const QString &file, int line, const QString &what) { errors.append({file, line, what}); }
    void warning(const QString &file, int line, const QString &what) { warnings.append({file, line, what}); }
    void note(const QString &file, int line, const QString &what) { notes.append({file, line, what}); }
    void append(const SourceReport &other);
    // The text of the first error, empty when there is none (handy in tests).
    QString firstError() const { return errors.isEmpty() ? QString() : errors.first().text(); }
};

// The output of a build step together with its report; the value is only
// meaningful when the report holds no error.
template <typename T> struct Built {
    T value{};
    SourceReport report;

    bool ok() const { return report.ok(); }
};
