#include "platform/textwindow.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/htmltext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TextWindow::TextWindow(const QString &filePath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_path(filePath)
{
    setObjectName(QStringLiteral("TextWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QFileInfo(filePath).fileName());
    resize(720, 520);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QStringLiteral("TextView"));
    m_view->setReadOnly(true);
    // The laboratory texts hold tables and bit layouts: fixed pitch, lines kept whole.
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->document()->setDocumentMargin(8);
    layout->addWidget(m_view);

    QFile file;
    try {
        ContentFile::open(file, filePath, QDir::toNativeSeparators(filePath), ContentFile::kMaxTextFile);
    } catch (const ContentError &error) {
        // A folder, pipe or device, or a file beyond the limit, is named by the refusal itself.
        const bool unreadable = error.message().startsWith(QLatin1String("Cannot open file"));
        m_view->setPlainText(unreadable
                                 ? QStringLiteral("Не удалось открыть файл %1.").arg(QDir::toNativeSeparators(filePath))
                                 : error.message());
        return;
    }
    QString text = HtmlText::decodeText(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_view->setPlainText(text);
}

QString TextWindow::text() const
{
    return m_view->toPlainText();
}
