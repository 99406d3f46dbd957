#include "testutil.h"

#include "platform/cp1251.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUuid>

namespace TestUtil {

QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

ModalAnswerer::ModalAnswerer(Handler handler)
    : m_handler(std::move(handler))
{
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::clear()
{
    m_texts.clear();
    m_captions.clear();
    m_icons.clear();
    m_names.clear();
}

void ModalAnswerer::poll()
{
    // A dialog that was closed and is shown again later (a reused standing
    // dialog) counts as a new showing; one still open under another is not.
    m_seen.removeIf([](const QPointer<QWidget> &seen) { return !seen || !seen->isVisible(); });
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || m_seen.contains(QPointer<QWidget>(modal)))
        return;
    QPointer<QWidget> guard(modal);
    m_seen.append(guard);
    answer(modal);
    if (guard && !guard->isVisible())
        m_seen.removeAll(guard);
}

void ModalAnswerer::answer(QWidget *modal)
{
    m_names.append(modal->objectName());
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        m_texts.append(box->text());
        m_captions.append(box->windowTitle());
        m_icons.append(box->icon());
    }
    if (m_handler) {
        m_handler(modal);
        return;
    }
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        QAbstractButton *button = box->buttons().isEmpty() ? nullptr : box->buttons().first();
        if (button)
            button->click();
        else
            box->accept();
    } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
        dialog->reject();
    } else {
        modal->close();
    }
}

WorkingFolder::WorkingFolder()
    : m_previous(QDir::currentPath())
{
    m_path = QDir::tempPath() + QStringLiteral("/shino-test-") + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(m_path);
    QDir::setCurrent(m_path);
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
    QDir(m_path).removeRecursively();
}

void WorkingFolder::write(const QString &relativePath, const QByteArray &bytes) const
{
    const QString full = m_path + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(full));
    file.write(bytes);
}

void WorkingFolder::writeCp1251(const QString &relativePath, const QString &text) const
{
    const auto bytes = Cp1251::encode(text);
    if (!bytes)
        qFatal("text for %s is not Windows-1251", qPrintable(relativePath));
    write(relativePath, *bytes);
}

QString packageFolder()
{
    return qEnvironmentVariable("SHINO_PACKAGE_DIR");
}

void saveScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("SHINO_SCREENSHOTS");
    if (folder.isEmpty() || !widget)
        return;
    QDir().mkpath(folder);
    widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace TestUtil
