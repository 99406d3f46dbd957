#pragma once

// The start every task record file shares: byte 0 is not used, then comes the
// task text in Windows-1251, up to its first zero byte within a field of
// TextLength bytes; the answer follows the text field.
template <int Size, int TextLength> struct TaskRecordLayout {
    static constexpr int kSize = Size;
    static constexpr int kTextOffset = 1;
    static constexpr int kTextLength = TextLength;
    static constexpr int kAnswerOffset = kTextOffset + TextLength;
};
