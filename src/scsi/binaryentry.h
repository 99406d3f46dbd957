#pragma once

#include <QString>
#include <QtGlobal>

class QLineEdit;

// Entry of a byte (or a longer bit field) in binary: only "0" and "1" can be
// typed or pasted; Backspace, Delete, the arrow keys and the usual editing
// shortcuts keep working. Pasted or dropped text is filtered down to its 0/1
// characters and cut to the free room left by maxLength.
namespace BinaryEntry {

// Sets the edit's maximum length and installs the filter (owned by the edit).
void attach(QLineEdit *edit, int maxLength);
// Exactly eight characters, most significant bit first: the byte they spell
// ("1" counts 1, any other character 0); any other length gives 0.
quint8 toByte(const QString &text);
// The 0/1 characters of a text, in order.
QString filtered(const QString &text);

} // namespace BinaryEntry
