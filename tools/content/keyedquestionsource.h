#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The PCI control questions (X.ctl.quest -> X.ctl and a question folder). The
// source is written as the other question files are ("?" question, "-" wrong
// and "+" right options); the build keeps the options in their written order
// and writes, beside X.ctl:
//   question/contr<q>.txt  the question text,
//   question/var<q>.txt    the options, one per line,
// and X.ctl itself: one byte per question, the number (from 1) of its right
// option. The trainer draws from exactly 27 questions.
namespace KeyedQuestionSource {

constexpr int Questions = 27;
constexpr int MinOptions = 2;
constexpr int MaxOptions = 8; // what the answer box shows without scrolling

struct Output {
    QString relative; // '/'-separated, relative to the folder of X.ctl
    QByteArray bytes;
};

// The key file first, then contr1, var1, contr2, var2 ...
Built<QList<Output>> build(const QByteArray &source, const QString &fileName);
// The key file alone (the output the build tracks for being up to date).
Built<QByteArray> buildKey(const QByteArray &source, const QString &fileName);

} // namespace KeyedQuestionSource
