#pragma once

#include <QList>
#include <QString>

// The ISA control questions: five question numbers, each with two to four
// variants; the options of one number share the same radio buttons (1 to 6).
namespace IsaQuestionBank {

constexpr int QuestionCount = 5;
constexpr int ButtonCount = 6;

// The buttons a question number uses (1-based); the others are hidden.
QList<int> buttons(int question);
int variantCount(int question);
QString text(int question, int variant);
// The option on a button, empty for a button the question does not use.
QString option(int question, int variant, int button);
// The button of the right option.
int rightButton(int question, int variant);

} // namespace IsaQuestionBank
