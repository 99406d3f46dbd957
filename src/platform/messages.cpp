#include "platform/messages.h"

#include <QMessageBox>
#include <QWidget>

namespace {

void show(QWidget *owner, QMessageBox::Icon icon, const QString &text, const QString &caption)
{
    QMessageBox box(icon, caption.isEmpty() ? Messages::defaultCaption() : caption, text, QMessageBox::Ok,
                    owner && owner->isVisible() ? owner : nullptr);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

namespace Messages {

QString defaultCaption()
{
    return QStringLiteral("Шиноведение");
}

void information(QWidget *owner, const QString &text, const QString &caption)
{
    show(owner, QMessageBox::Information, text, caption);
}

void error(QWidget *owner, const QString &text, const QString &caption)
{
    show(owner, QMessageBox::Critical, text, caption);
}

void exclamation(QWidget *owner, const QString &text, const QString &caption)
{
    show(owner, QMessageBox::Warning, text, caption);
}

} // namespace Messages
