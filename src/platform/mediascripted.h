#pragma once

#include "platform/mediadevice.h"

#include <QStringList>
#include <optional>

// A media device without a video: tests and benchmarks set its length and
// position and make it fail, and read back the operations it was asked for
// ("open lession\test.mp4", "play", "pause", "stop", "seek 0", "start 1200",
// "close") in order.
class ScriptedMediaDevice : public MediaDevice {
public:
    ScriptedMediaDevice() = default;

    void setFileName(const QString &contentPath) override { m_fileName = contentPath; }
    QString fileName() const override { return m_fileName; }
    void setDisplay(QWidget *display) override { m_display = display; }
    void open() override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    Mode mode() const override { return m_mode; }
    qint64 position() const override { return m_position; }
    qint64 length() const override { return m_open ? m_length : 0; }
    void seek(qint64 position) override;
    void setStartPosition(qint64 position) override;
    QString takeFailure() override;

    // The script.
    void setLength(qint64 length) { m_length = length; }
    // The video advancing (or jumping) while it plays.
    void setPosition(qint64 position) { m_position = position; }
    // The video reaching its end: the device stops there.
    void runToEnd();
    // The next open fails with this reason.
    void failOpen(const QString &reason) { m_openFailure = reason; }
    // A failure while playing: the device stops and reports it once.
    void failWhilePlaying(const QString &reason);

    QStringList operations() const { return m_operations; }
    void clearOperations() { m_operations.clear(); }
    QWidget *display() const { return m_display; }

private:
    void requireOpen() const;

    QString m_fileName;
    QWidget *m_display = nullptr;
    Mode m_mode = Mode::NotReady;
    bool m_open = false;
    qint64 m_length = 0;
    qint64 m_position = 0;
    std::optional<qint64> m_startPosition;
    QString m_openFailure;
    QString m_failure;
    QStringList m_operations;
};
