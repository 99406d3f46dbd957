#include "platform/mediascripted.h"

#include "platform/contenterror.h"

void ScriptedMediaDevice::requireOpen() const
{
    if (!m_open)
        throw ContentError(QStringLiteral("Cannot open file %1: the video is not open").arg(m_fileName));
}

void ScriptedMediaDevice::open()
{
    m_operations.append(QStringLiteral("open ") + m_fileName);
    if (!m_openFailure.isEmpty()) {
        const QString reason = m_openFailure;
        m_openFailure.clear();
        throw ContentError(QStringLiteral("Cannot open file %1: %2").arg(m_fileName, reason));
    }
    m_open = true;
    m_mode = Mode::Open;
    m_position = 0;
}

void ScriptedMediaDevice::play()
{
    m_operations.append(QStringLiteral("play"));
    requireOpen();
    if (m_startPosition) {
        m_position = *m_startPosition;
        m_startPosition.reset();
    } else if (m_position >= m_length) {
        m_position = 0;
    }
    m_mode = Mode::Playing;
}

void ScriptedMediaDevice::pause()
{
    m_operations.append(QStringLiteral("pause"));
    requireOpen();
    if (m_mode == Mode::Playing)
        m_mode = Mode::Paused;
    else if (m_mode == Mode::Paused)
        m_mode = Mode::Playing;
}

void ScriptedMediaDevice::stop()
{
    m_operations.append(QStringLiteral("stop"));
    requireOpen();
    m_mode = Mode::Stopped;
}

void ScriptedMediaDevice::close()
{
    m_operations.append(QStringLiteral("close"));
    m_open = false;
    m_mode = Mode::NotReady;
    m_position = 0;
    m_startPosition.reset();
}

void ScriptedMediaDevice::seek(qint64 position)
{
    m_operations.append(QStringLiteral("seek %1").arg(position));
    requireOpen();
    m_position = position;
}

void ScriptedMediaDevice::setStartPosition(qint64 position)
{
    m_operations.append(QStringLiteral("start %1").arg(position));
    requireOpen();
    m_startPosition = position;
}

QString ScriptedMediaDevice::takeFailure()
{
    QString failure;
    failure.swap(m_failure);
    return failure;
}

void ScriptedMediaDevice::runToEnd()
{
    m_position = m_length;
    m_mode = Mode::Stopped;
}

void ScriptedMediaDevice::failWhilePlaying(const QString &reason)
{
    m_failure = QStringLiteral("Cannot open file %1: %2").arg(m_fileName, reason);
    m_mode = Mode::Stopped;
}
