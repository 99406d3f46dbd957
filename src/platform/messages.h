#pragma once

#include <QString>

class QWidget;

// Modal message boxes of the exercises: information, error, warning
// (exclamation) kinds with an OK button. The caption defaults to the
// package's name.
namespace Messages {

// The caption of message boxes that name no caption of their own.
QString defaultCaption();

void information(QWidget *owner, const QString &text, const QString &caption = QString());
void error(QWidget *owner, const QString &text, const QString &caption = QString());
void exclamation(QWidget *owner, const QString &text, const QString &caption = QString());

} // namespace Messages
