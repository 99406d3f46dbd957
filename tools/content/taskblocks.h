#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>

// The common frame of the task sources (.phases, .cdb, .usbtasks):
//
//   === task            (starts a task; the rest of the line is a free label)
//   text lines          (joined with a space into one paragraph)
//   ---
//   answer lines        (up to the next "===" line)
//
// Blank lines and comment lines (first non-blank character '#') are ignored
// everywhere.
struct SourceLine {
    int line = 0;
    QString text; // trimmed
};

struct TaskBlock {
    int number = 0; // from 1, in file order
    int line = 0;   // the "===" line
    QList<SourceLine> textLines;
    QList<SourceLine> answerLines;

    // "task N: " for messages.
    QString prefix() const;
};

namespace TaskBlocks {

Built<QList<TaskBlock>> parse(const QByteArray &source, const QString &fileName);

// The task text in Windows-1251, its lines joined with one space; reports a
// character without a Windows-1251 form (with its line) or a text longer than
// maxBytes.
std::optional<QByteArray> encodeText(const TaskBlock &task, int maxBytes, const QString &fileName,
                                     SourceReport &report);

// Writes a zero-terminated text into a record field (the rest of the field stays zero).
void putText(QByteArray &record, int offset, const QByteArray &text);

// Splits "key: value" answer lines; reports malformed lines, unknown and repeated keys.
// Returns the values by key with the line each was written on.
struct Field {
    int line = 0;
    QString value;
};
QMap<QString, Field> fields(const TaskBlock &task, const QStringList &knownKeys, const QString &fileName,
                            SourceReport &report);

// The record file of a task source: per task one zero-filled record of
// recordSize bytes with the task text in its zero-terminated field of
// textLength bytes at textOffset, and the answer written by writeAnswer. No
// records at all when anything was reported.
using AnswerWriter = std::function<void(const TaskBlock &task, QByteArray &record, SourceReport &report)>;
Built<QByteArray> buildRecords(const QByteArray &source, const QString &fileName, int recordSize, int textOffset,
                               int textLength, const AnswerWriter &writeAnswer);

} // namespace TaskBlocks
