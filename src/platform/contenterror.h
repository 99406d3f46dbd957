#pragma once

#include <QString>
#include <stdexcept>

// The one exception type for faults in course content: a missing file, a bad
// number, a malformed record. Handlers never catch it themselves; the guard
// around every handler shows the message and abandons the rest of the handler.
class ContentError : public std::runtime_error {
public:
    explicit ContentError(const QString &message);

    static ContentError missingFile(const QString &relativePath);
    static ContentError badNumber(const QString &text);
    // A file that exists but whose content cannot be used; names the file and the fault.
    static ContentError badContent(const QString &relativePath, const QString &what);
    // A record of a task file that cannot be used; recordNumber counts from 1.
    static ContentError badRecord(const QString &relativePath, int recordNumber, const QString &what);

    QString message() const { return m_message; }

private:
    QString m_message;
};
