#include "platform/mediaqt.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"
#include "platform/mediabackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

MediaDevice::~MediaDevice() = default;

std::unique_ptr<MediaDevice> MediaDevice::createDefault()
{
    return std::make_unique<QtMediaDevice>();
}

QtMediaDevice::QtMediaDevice()
{
    m_watch.setInterval(250);
    connect(&m_watch, &QTimer::timeout, this, &QtMediaDevice::watch);
}

QtMediaDevice::~QtMediaDevice()
{
    if (m_player)
        m_player->stop();
    delete m_player;
    delete m_video;
}

void QtMediaDevice::setFileName(const QString &contentPath)
{
    m_fileName = contentPath;
}

QString QtMediaDevice::fileName() const
{
    return m_fileName;
}

void QtMediaDevice::setDisplay(QWidget *display)
{
    m_display = display;
}

void QtMediaDevice::makePlayer()
{
    if (m_player)
        return;
    MediaBackend::chooseFfmpeg();
    m_player = new QMediaPlayer(this);
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        m_audio = new QAudioOutput(this);
        m_player->setAudioOutput(m_audio);
    }
    if (m_display) {
        m_video = new QVideoWidget(m_display);
        m_video->setObjectName(QStringLiteral("VideoDisplay"));
        auto *layout = new QVBoxLayout(m_display);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_video);
        m_video->setAspectRatioMode(Qt::KeepAspectRatio);
        m_player->setVideoOutput(m_video);
        connect(m_video->videoSink(), &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
            if (frame.isValid())
                m_frameShown = true;
        });
    }
    connect(m_player, &QMediaPlayer::errorOccurred, this, &QtMediaDevice::playerError);
}

QString QtMediaDevice::failureText(const QString &reason) const
{
    return QStringLiteral("Cannot open file %1: %2").arg(m_fileName, reason);
}

void QtMediaDevice::playerError(QMediaPlayer::Error error, const QString &text)
{
    if (error == QMediaPlayer::NoError)
        return;
    // Later messages of a backend are often generic ("Internal data stream error");
    // the first one says what is wrong.
    if (m_firstError.isEmpty())
        m_firstError = text.isEmpty() ? QStringLiteral("the video cannot be played") : text;
    if (m_open)
        fail(m_firstError);
}

void QtMediaDevice::fail(const QString &reason)
{
    if (m_broken)
        return;
    m_broken = true;
    m_watch.stop();
    if (m_failure.isEmpty())
        m_failure = failureText(reason);
    if (m_player)
        m_player->pause();
}

void QtMediaDevice::open()
{
    makePlayer();
    const QString path = ContentPath::resolve(m_fileName);
    if (!QFileInfo(path).isFile())
        throw ContentError::missingFile(m_fileName);
    m_firstError.clear();
    m_failure.clear();
    m_broken = false;
    m_played = false;
    m_startPosition.reset();
    m_player->setSource(QUrl::fromLocalFile(path));
    // The FFmpeg backend reports a file it cannot read inside setSource and
    // afterwards claims to play it.
    if (!m_firstError.isEmpty()) {
        const QString reason = m_firstError;
        m_player->setSource(QUrl());
        throw ContentError(failureText(reason));
    }
    m_open = true;
}

void QtMediaDevice::requireOpen() const
{
    if (!m_open)
        throw ContentError(QStringLiteral("Cannot open file %1: the video is not open").arg(m_fileName));
    if (m_broken)
        throw ContentError(
            failureText(m_firstError.isEmpty() ? QStringLiteral("the video stopped advancing") : m_firstError));
}

void QtMediaDevice::play()
{
    requireOpen();
    if (m_startPosition) {
        m_player->setPosition(*m_startPosition);
        m_startPosition.reset();
    } else if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia ||
               (m_player->duration() > 0 && m_player->position() >= m_player->duration())) {
        m_player->setPosition(0);
    }
    m_frameShown = false;
    m_player->play();
    m_played = true;
    m_watchedPosition = -1;
    m_standing.start();
    m_watch.start();
}

void QtMediaDevice::pause()
{
    requireOpen();
    if (m_player->playbackState() == QMediaPlayer::PlayingState) {
        m_player->pause();
        m_watch.stop();
    } else if (m_player->playbackState() == QMediaPlayer::PausedState) {
        m_player->play();
        m_watchedPosition = -1;
        m_standing.start();
        m_watch.start();
    }
}

void QtMediaDevice::stop()
{
    requireOpen();
    m_watch.stop();
    m_player->stop();
}

void QtMediaDevice::close()
{
    m_watch.stop();
    if (m_player) {
        m_player->stop();
        m_player->setSource(QUrl());
    }
    m_open = false;
    m_played = false;
    m_broken = false;
    m_startPosition.reset();
}

MediaDevice::Mode QtMediaDevice::mode() const
{
    if (!m_open || !m_player)
        return Mode::NotReady;
    if (m_broken)
        return Mode::Stopped;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return Mode::Playing;
    case QMediaPlayer::PausedState:
        return Mode::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return m_played ? Mode::Stopped : Mode::Open;
}

qint64 QtMediaDevice::position() const
{
    return m_player && m_open ? m_player->position() : 0;
}

qint64 QtMediaDevice::length() const
{
    return m_player && m_open ? qMax<qint64>(0, m_player->duration()) : 0;
}

void QtMediaDevice::seek(qint64 position)
{
    requireOpen();
    m_player->setPosition(position);
}

void QtMediaDevice::setStartPosition(qint64 position)
{
    requireOpen();
    m_startPosition = position;
}

QString QtMediaDevice::takeFailure()
{
    QString failure;
    failure.swap(m_failure);
    return failure;
}

// A backend that says "playing" while the position stands still has stalled:
// nothing else would ever tell the student.
void QtMediaDevice::watch()
{
    if (!m_player || m_player->playbackState() != QMediaPlayer::PlayingState) {
        m_watch.stop();
        return;
    }
    const qint64 now = m_player->position();
    if (now != m_watchedPosition) {
        m_watchedPosition = now;
        m_standing.start();
        return;
    }
    if (m_standing.elapsed() >= kStallMs)
        fail(QStringLiteral("the video stopped advancing"));
}
