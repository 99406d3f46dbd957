#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace TestUtil {

// A child found by objectName; fails the test loudly when it is missing.
template <typename T> T *child(QObject *parent, const QString &name)
{
    T *found = parent ? parent->findChild<T *>(name) : nullptr;
    if (!found)
        qFatal("child '%s' of '%s' not found", qPrintable(name), parent ? qPrintable(parent->objectName()) : "(null)");
    return found;
}

// A top-level widget found by objectName among QApplication::topLevelWidgets().
QWidget *topLevel(const QString &name);

// Answers modal message boxes and dialogs while it lives: every modal widget
// that appears is recorded and then handled by the handler (default: accept a
// message box with its first button, reject any other dialog).
class ModalAnswerer : public QObject {
public:
    using Handler = std::function<void(QWidget *modal)>;
    explicit ModalAnswerer(Handler handler = {});
    ~ModalAnswerer() override;

    // Texts of the message boxes seen, in order.
    QStringList texts() const { return m_texts; }
    QList<QMessageBox::Icon> icons() const { return m_icons; }
    QStringList captions() const { return m_captions; }
    QStringList modalNames() const { return m_names; }
    int count() const { return int(m_names.size()); }
    void clear();

private:
    void poll();
    void answer(QWidget *modal);

    Handler m_handler;
    QTimer m_timer;
    QList<QPointer<QWidget>> m_seen;
    QStringList m_texts;
    QStringList m_captions;
    QList<QMessageBox::Icon> m_icons;
    QStringList m_names;
};

// A temporary folder made the working folder while the object lives.
class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();
    QString path() const { return m_path; }
    // Writes a file (creating folders); the path uses '/' separators.
    void write(const QString &relativePath, const QByteArray &bytes) const;
    void writeCp1251(const QString &relativePath, const QString &text) const;

private:
    QString m_previous;
    QString m_path;
};

// The package folder built by the project (program and content).
QString packageFolder();
// Saves a grab of a widget to $SHINO_SCREENSHOTS/<name>.png when that variable is set.
void saveScreenshot(QWidget *widget, const QString &name);

} // namespace TestUtil
