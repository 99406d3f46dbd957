#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Question files (X.quest -> X.txt). The author marks the right option with '+';
// the built file keeps no mark: the right option stands at index q mod k
// (q the question's number from 1, k its option count), the others keep their
// written order.
namespace QuestionSource {

constexpr int MinQuestions = 5;
constexpr int MaxQuestions = 100;
constexpr int MaxOptions = 20;

struct Option {
    int line = 0;
    QString text;
    bool right = false;
};

struct Question {
    int line = 0; // the '?' line
    QString text;
    QList<Option> options;
};

// Zero-based index of the right option of question number (from 1) with count options.
int keyIndex(int number, int count);

// Indexes into question.options in the order of the built file: the right one
// moved to its key index, the others in written order.
QList<int> optionOrder(const Question &question, int number);
// The option texts in that order.
QStringList arrangedOptions(const Question &question, int number);

// The questions as written; every rule of the format is checked.
Built<QList<Question>> parse(const QByteArray &source, const QString &fileName);

// The question file in Windows-1251 with CR LF.
Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace QuestionSource
