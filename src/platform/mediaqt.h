#pragma once

#include "platform/mediadevice.h"

#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QAudioOutput;
class QVideoWidget;

// The media device on Qt Multimedia: a QMediaPlayer showing its picture in a
// QVideoWidget laid over the display widget. The player is made at the first
// open, so a window that never plays costs nothing at start-up. Sound goes to
// a QAudioOutput only when the machine has an audio output (the FFmpeg backend
// fails with an output and no device); otherwise the video plays silently.
class QtMediaDevice : public QObject, public MediaDevice {
    Q_OBJECT
public:
    // "playing" with the position standing still this long counts as a stall
    static constexpr qint64 kStallMs = 2000;

    QtMediaDevice();
    ~QtMediaDevice() override;

    void setFileName(const QString &contentPath) override;
    QString fileName() const override;
    void setDisplay(QWidget *display) override;
    void open() override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    Mode mode() const override;
    qint64 position() const override;
    qint64 length() const override;
    void seek(qint64 position) override;
    void setStartPosition(qint64 position) override;
    QString takeFailure() override;

    // Whether the video widget has been given a frame since the last play (for
    // the start-up measurement).
    bool hasShownFrame() const { return m_frameShown; }

private:
    void makePlayer();
    void requireOpen() const;
    void playerError(QMediaPlayer::Error error, const QString &text);
    void fail(const QString &reason);
    void watch();
    QString failureText(const QString &reason) const;

    QString m_fileName;
    QPointer<QWidget> m_display;
    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_audio = nullptr;
    QVideoWidget *m_video = nullptr;
    bool m_open = false;
    bool m_played = false;
    bool m_broken = false; // a failure ended the playing; only close() clears it
    bool m_frameShown = false;
    std::optional<qint64> m_startPosition;
    QString m_firstError; // the first error the backend reported for this file
    QString m_failure;    // not yet handed out
    QTimer m_watch;
    qint64 m_watchedPosition = -1;
    QElapsedTimer m_standing;
};
