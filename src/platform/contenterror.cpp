#include "platform/contenterror.h"

ContentError::ContentError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{}

ContentError ContentError::missingFile(const QString &relativePath)
{
    return ContentError(QStringLiteral("Cannot open file %1").arg(relativePath));
}

ContentError ContentError::badNumber(const QString &text)
{
    return ContentError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

ContentError ContentError::badContent(const QString &relativePath, const QString &what)
{
    return ContentError(QStringLiteral("Файл %1: %2").arg(relativePath, what));
}

ContentError ContentError::badRecord(const QString &relativePath, int recordNumber, const QString &what)
{
    return badContent(relativePath, QStringLiteral("запись № %1: %2").arg(recordNumber).arg(what));
}
