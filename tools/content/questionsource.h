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

// A student who does not know the answer tends to pick the longest option, so a
// bank in which the right option is often the only longest one gives answers
// away. At most one question in four may be like that.
struct LengthCue {
    int questions = 0;
    QList<int> longestRight; // numbers (from 1) of the questions whose right option is the uniquely longest

    bool tooMany() const { return 4 * longestRight.size() > questions; }
};

// True when the right option is longer than every other option of the question.
bool rightIsUniquelyLongest(const Question &question);
LengthCue lengthCue(const QList<Question> &questions);

// The questions as written; every rule of the format is checked.
Built<QList<Question>> parse(const QByteArray &source, const QString &fileName);

// The question file in Windows-1251 with CR LF. The report notes the share of
// questions whose right option is the uniquely longest, and warns when it is
// above one in four.
Built<QByteArray> build(const QByteArray &source, const QString &fileName);

} // namespace QuestionSource
