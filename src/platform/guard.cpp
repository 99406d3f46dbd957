#include "platform/guard.h"

#include "platform/contenterror.h"
#include "platform/messages.h"

#include <QMessageBox>
#include <QWidget>

namespace Guard {

bool run(QWidget *owner, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const ContentError &error) {
        showError(owner, error.message());
    } catch (const std::exception &error) {
        showError(owner, QString::fromLocal8Bit(error.what()));
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

} // namespace Guard
