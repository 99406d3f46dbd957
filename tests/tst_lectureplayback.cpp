#include "platform/contenterror.h"
#include "platform/mediabackend.h"
#include "platform/mediaqt.h"

#include "testutil.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// The media device on the platform's real backend: the shipped lecture video
// plays (picture and position moving), pauses and stops; a file the backend
// cannot read is refused with its first error.
class LecturePlaybackTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void playsShippedVideo();
    void missingFile();
    void unreadableFile();

private:
    bool m_available = false;
};

void LecturePlaybackTest::initTestCase()
{
    QMediaPlayer probe;
    m_available = probe.isAvailable();
}

void LecturePlaybackTest::playsShippedVideo()
{
    if (!m_available)
        QSKIP("no media backend can start on this machine");
    // The test's target builds the content first, so the video is there.
    const QString package = TestUtil::packageFolder();
    QVERIFY2(!package.isEmpty(), "SHINO_PACKAGE_DIR does not name the built package");
    QVERIFY2(QFile::exists(package + "/lession/test.mp4"), qPrintable(package + "/lession/test.mp4 is not built"));
    QDir::setCurrent(package);
    QWidget panel;
    panel.resize(320, 240);
    panel.show();
    QtMediaDevice device;
    device.setDisplay(&panel);
    device.setFileName("lession\\test.mp4");
    QCOMPARE(device.mode(), MediaDevice::Mode::NotReady);
    device.open();
    QCOMPARE(device.mode(), MediaDevice::Mode::Open);
    device.play();
    QCOMPARE(device.mode(), MediaDevice::Mode::Playing);
    QTRY_VERIFY_WITH_TIMEOUT(device.position() > 400, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(device.hasShownFrame(), 5000);
    QVERIFY2(device.length() > 5 * 60 * 1000, qPrintable(QString::number(device.length())));
    device.pause();
    QCOMPARE(device.mode(), MediaDevice::Mode::Paused);
    device.pause();
    QCOMPARE(device.mode(), MediaDevice::Mode::Playing);
    device.stop();
    QCOMPARE(device.mode(), MediaDevice::Mode::Stopped);
    // the next play begins where it is told to
    device.setStartPosition(60000);
    device.play();
    QTRY_VERIFY_WITH_TIMEOUT(device.position() >= 60000, 5000);
    QVERIFY(device.takeFailure().isEmpty());
    device.close();
    QCOMPARE(device.mode(), MediaDevice::Mode::NotReady);
}

void LecturePlaybackTest::missingFile()
{
    TestUtil::WorkingFolder folder;
    QtMediaDevice device;
    device.setFileName("lession\\none.mp4");
    try {
        device.open();
        QFAIL("a missing video opened");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QString("Cannot open file lession\\none.mp4"));
    }
    QCOMPARE(device.mode(), MediaDevice::Mode::NotReady);
    QVERIFY_THROWS_EXCEPTION(ContentError, device.play());
}

void LecturePlaybackTest::unreadableFile()
{
    if (!m_available)
        QSKIP("no media backend can start on this machine");
    TestUtil::WorkingFolder folder;
    folder.write("lession/bad.mp4", QByteArray(4096, 'x'));
    QWidget panel;
    panel.resize(320, 240);
    QtMediaDevice device;
    device.setDisplay(&panel);
    device.setFileName("lession\\bad.mp4");
    // Refused at once, or (with a backend that finds out later) reported once
    // by the device while it no longer counts as playing.
    QString message;
    try {
        device.open();
        device.play();
        QTRY_VERIFY_WITH_TIMEOUT(!(message = device.takeFailure()).isEmpty(), 5000);
        QVERIFY(device.mode() != MediaDevice::Mode::Playing);
        QVERIFY(device.takeFailure().isEmpty());
    } catch (const ContentError &error) {
        message = error.message();
    }
    QVERIFY2(message.startsWith("Cannot open file lession\\bad.mp4: "), qPrintable(message));
}

int main(int argc, char *argv[])
{
    // As the program does: the backend is chosen before the application exists.
    MediaBackend::chooseFfmpeg();
    QApplication app(argc, argv);
    LecturePlaybackTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lectureplayback.moc"
