#pragma once

#include <QString>
#include <array>

// The five tasks of the device-interaction exercise: heading, devices tapped, and
// the cycle titles with their answer rows over the sixteen signal rows.
namespace InteractAnswers {

constexpr int SignalCount = 16;
constexpr int TaskCount = 5;
using Row = std::array<bool, SignalCount>;

enum Device { IoDevice = 1, Memory = 2, Processor = 4 };

// Signal captions in row order k = 0..15, and the check box of each row.
QString signalCaption(int row);
QString checkBoxName(int row);

QString heading(int task);
// The devices tapped in a task, as Device flags.
int devices(int task);
int variantCount(int task);
QString title(int task, int variant);
Row answer(int task, int variant);

} // namespace InteractAnswers
