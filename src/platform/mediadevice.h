#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class QWidget;

// The lecture's media device: the operations of a media-control player (open,
// play, pause, stop, close, mode, position, length, seek, start of the next
// play) over one video file. Positions and lengths are milliseconds.
// Operations that cannot be carried out throw ContentError naming the file and
// the reason. A failure found while playing (a decoder error, a stall) is kept
// and handed out once by takeFailure(); the device then counts as stopped.
class MediaDevice {
public:
    enum class Mode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

    virtual ~MediaDevice();

    virtual void setFileName(const QString &contentPath) = 0;
    virtual QString fileName() const = 0;
    // The widget the video is shown in; the device fills it.
    virtual void setDisplay(QWidget *display) = 0;

    virtual void open() = 0;
    // Plays from the start of the next play when one was set, from the
    // beginning when the video is at its end, else from where it stands.
    virtual void play() = 0;
    // Pauses when playing, resumes when paused.
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;

    virtual Mode mode() const = 0;
    virtual qint64 position() const = 0;
    virtual qint64 length() const = 0;
    virtual void seek(qint64 position) = 0;
    virtual void setStartPosition(qint64 position) = 0;

    // The first failure found since the last call, or an empty string.
    virtual QString takeFailure() = 0;

    // The platform's device (Qt Multimedia).
    static std::unique_ptr<MediaDevice> createDefault();
};
