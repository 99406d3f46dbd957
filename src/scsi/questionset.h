#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A five-question multiple-choice test drawn from a question file. The file
// holds no key: the right option of question q with k options is the one at
// index q mod k.
class QuestionSet {
public:
    static constexpr int kQuestionCount = 5;
    static constexpr int kMaxOptions = 20;

    struct Question {
        int number = 0; // position in the file, from 1
        QString text;
        QStringList options;
        int key = 0; // zero-based index of the right option
    };

    // Zero-based index of the right option of question number q with k options.
    static int keyFor(int number, int optionCount) { return optionCount > 0 ? number % optionCount : 0; }
    // Five distinct numbers of 1 .. n in increasing order, drawn with the program's generator.
    static QList<int> drawFive(int n);

    // Reads the file and draws a new test; Asked and Right start at 0. Throws
    // ContentError naming the file when it is missing or malformed.
    void load(const QString &contentPath);
    // The same from the lines of a file (for messages, path names the file).
    void loadLines(const QStringList &lines, const QString &path);

    const QList<Question> &questions() const { return m_questions; }
    int asked() const { return m_asked; }
    int right() const { return m_right; }
    bool finished() const { return m_asked >= int(m_questions.size()); }
    // The question on screen: the next one to answer, or the last one once all are answered.
    const Question &current() const;

    // Answers the current question with the chosen option (-1 for none);
    // returns whether it was right.
    bool answer(int chosenIndex);

private:
    QList<Question> m_questions;
    int m_asked = 0;
    int m_right = 0;
};
