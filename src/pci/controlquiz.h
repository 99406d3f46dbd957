#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The rules of the PCI control questions: five different questions drawn from
// 27, each answered once against the key file's variant number.
class ControlQuiz {
public:
    static constexpr int QuestionCount = 27;
    static constexpr int Asked = 5;

    static QString keyPath() { return QStringLiteral("pci\\bus.ctl"); }
    static QString questionPath(int question);
    static QString variantsPath(int question);
    // The first 27 bytes of the key file; throws naming the file when it is
    // missing or shorter.
    static QByteArray readKey();

    explicit ControlQuiz(const QByteArray &key);

    // Draws five different question numbers.
    void draw();
    const std::array<int, Asked> &chosen() const { return m_chosen; }

    int currentQuestion() const { return m_current; }
    // The number (1 to 27) of the question being asked.
    int question() const;
    // Moves to the next question; false after the fifth.
    bool advance();
    // The variant chosen, 0-based (-1 for none): true when it is the key's.
    // A key byte of 0 or beyond the variants matches no choice.
    bool answer(int variantIndex);
    bool lastQuestion() const { return m_current == Asked; }
    int correctAnswers() const { return m_correct; }
    QString finalText() const;

private:
    QByteArray m_key;
    std::array<int, Asked> m_chosen{};
    int m_current = 0;
    int m_correct = 0;
};
