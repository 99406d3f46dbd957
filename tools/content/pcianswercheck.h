#pragma once

#include "sourceerror.h"

#include <QByteArray>
#include <QString>

// The answers of the PCI lesson ("pci/lesson/answer<k>.txt") are built as
// plain texts and must also be diagrams the student can draw: ten lines of
// nine states, each line one the lesson's interval editing can produce on its
// row ('?' for any state).
namespace PciAnswerCheck {

// True for a source at pci/lesson/answer<k>.txt (letter case ignored).
bool isAnswer(const QString &relativePath);
// Adds an error per faulty line to the report.
void check(const QByteArray &source, const QString &fileName, SourceReport &report);

} // namespace PciAnswerCheck
