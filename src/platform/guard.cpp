#include "platform/guard.h"

#include "platform/contenterror.h"
#include "platform/messages.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QWidget>

namespace Guard {

namespace {

// Shown for an exception that carries no message of its own.
QString unknownErrorText()
{
    return QStringLiteral("Внутренняя ошибка программы: действие прервано, работа продолжается.");
}

} // namespace

bool run(QWidget *owner, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const ContentError &error) {
        showError(owner, error.message());
    } catch (const std::exception &error) {
        showError(owner, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(owner, unknownErrorText());
    }
    return false;
}

void showError(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, Messages::defaultCaption(), text, QMessageBox::Ok,
                    owner && owner->isVisible() ? owner : nullptr);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void closeWith(QWidget *window, QCloseEvent *event, const std::function<void()> &handler)
{
    run(window, handler);
    event->accept();
}

} // namespace Guard
