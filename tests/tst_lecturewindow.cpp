#include "viewers/tflection.h"

#include "platform/contenterror.h"
#include "platform/mediascripted.h"
#include "shell/imagebutton.h"
#include "shell/tfposobie.h"
#include "shell/windowset.h"
#include "testutil.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using Mode = MediaDevice::Mode;

// The lecture window with a scripted media device: what each tick shows, the
// buttons, seeking with the slider, the pair files, and every way out.
class LectureWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void layout();
    void pairs_data();
    void pairs();
    void badTimeStopsLoading();
    void showOpensAndPlays_data();
    void showOpensAndPlays();
    void timeZeroNeedsPositionAboveIt();
    void onePerTickAndCatchingUp();
    void resetWhenNotPlaying_data();
    void resetWhenNotPlaying();
    void sliderFollowsPosition();
    void dragArithmetic_data();
    void dragArithmetic();
    void dragReplaysFromNewPlace();
    void dragWhileStoppedOnlySetsStart();
    void stopRules();
    void pauseAndPlayRules();
    void leaving_data();
    void leaving();
    void showingAgainShowsSlideAndGlossary();
    void openFailureReportedOnceWindowUsable();
    void failureWhilePlayingReportedOnce();
    void badSlideReportedOnceLectureGoesOn();
    void screenshot();

private:
    TFLection *makeWindow();
    void writeLecture(int slides = 3);
    static void tick(TFLection *window, int times = 1);
    QString glossaryLine() const;
    QString slide() const;

    std::unique_ptr<TestUtil::WorkingFolder> m_folder;
    TFLection *m_window = nullptr;
    ScriptedMediaDevice *m_device = nullptr;
};

void LectureWindowTest::initTestCase()
{
    FPosobie = new TFPosobie;
}

void LectureWindowTest::init()
{
    m_folder = std::make_unique<TestUtil::WorkingFolder>();
    QImage picture(30, 24, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    m_folder->write("img/.keep", "");
    picture.save(m_folder->path() + "/img/empty.bmp", "BMP");
    picture.fill(Qt::darkMagenta);
    for (const char *name : {"Play", "Pause", "Stop", "Exit"}) {
        for (const char *state : {"Active", "Pressed"})
            picture.save(m_folder->path() + QStringLiteral("/img/LF%1%2.bmp").arg(name, state), "BMP");
    }
    QImage slide(240, 240, QImage::Format_RGB32);
    slide.fill(Qt::white);
    for (int i = 1; i <= 31; ++i)
        slide.save(m_folder->path() + QStringLiteral("/img/s%1.bmp").arg(i), "BMP");
}

void LectureWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_folder.reset();
    FPosobie->hide();
}

TFLection *LectureWindowTest::makeWindow()
{
    auto device = std::make_unique<ScriptedMediaDevice>();
    m_device = device.get();
    m_device->setLength(60000);
    m_window = new TFLection(nullptr, std::move(device));
    m_window->findChild<QTimer *>("Timer1")->stop(); // the test ticks by hand
    return m_window;
}

void LectureWindowTest::writeLecture(int slides)
{
    QString pic;
    QString glos;
    for (int i = 1; i <= slides; ++i) {
        pic += QStringLiteral("%1\r\nimg\\s%2.bmp\r\n").arg((i - 1) * 10000).arg(i);
        glos += QStringLiteral("%1\r\nТермин %2\r\n").arg((i - 1) * 10000).arg(i);
    }
    m_folder->writeCp1251("lession/pic.txt", pic);
    m_folder->writeCp1251("lession/glos.txt", glos);
    m_folder->writeCp1251("lession/test.txt", "lession\\test.mp4\r\n");
}

void LectureWindowTest::tick(TFLection *window, int times)
{
    for (int i = 0; i < times; ++i)
        window->Timer1Timer();
}

QString LectureWindowTest::glossaryLine() const
{
    return TestUtil::child<QPlainTextEdit>(m_window, "GlossaryText")->toPlainText();
}

QString LectureWindowTest::slide() const
{
    return m_window->slideFile();
}

void LectureWindowTest::layout()
{
    TFLection *window = makeWindow();
    QCOMPARE(window->size(), QSize(640, 450));
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(TestUtil::child<QWidget>(window, "Panel1")->geometry(), QRect(26, 24, 320, 240));
    QCOMPARE(TestUtil::child<QWidget>(window, "Slide")->geometry(), QRect(380, 42, 240, 240));
    auto *glossary = TestUtil::child<QPlainTextEdit>(window, "GlossaryText");
    QCOMPARE(glossary->geometry(), QRect(19, 330, 600, 104));
    QVERIFY(glossary->isReadOnly());
    QVERIFY(!glossary->isEnabled());
    QCOMPARE(TestUtil::child<QWidget>(window, "Browser")->geometry(), QRect(145, 302, 25, 11));
    QCOMPARE(TestUtil::child<QWidget>(window, "LectionImage")->geometry(), QRect(0, 0, 640, 450));
    QCOMPARE(TestUtil::child<QWidget>(window, "PlayButton")->geometry(), QRect(21, 290, 30, 24));
    QCOMPARE(TestUtil::child<QWidget>(window, "PauseButton")->geometry(), QRect(58, 290, 30, 24));
    QCOMPARE(TestUtil::child<QWidget>(window, "StopButton")->geometry(), QRect(95, 290, 30, 24));
    QCOMPARE(TestUtil::child<QWidget>(window, "ExitButton")->geometry(), QRect(610, 0, 30, 24));
    QCOMPARE(TestUtil::child<QTimer>(window, "Timer1")->interval(), 200);
    QCOMPARE(m_device->display(), TestUtil::child<QWidget>(window, "Panel1"));
}

void LectureWindowTest::pairs_data()
{
    QTest::addColumn<int>("pairs");
    QTest::addColumn<bool>("oddLine");
    QTest::addColumn<int>("expected");
    QTest::addRow("empty file") << 0 << false << 0;
    QTest::addRow("one pair") << 1 << false << 1;
    QTest::addRow("30 pairs") << 30 << false << 30;
    QTest::addRow("31 pairs shows the first 30") << 31 << false << 30;
    QTest::addRow("odd line count") << 2 << true << 3;
}

void LectureWindowTest::pairs()
{
    QFETCH(int, pairs);
    QFETCH(bool, oddLine);
    QFETCH(int, expected);
    QStringList lines;
    for (int i = 0; i < pairs; ++i)
        lines << QString::number(i * 100) << QStringLiteral("img\\s%1.bmp").arg(i + 1);
    if (oddLine)
        lines << "9000";
    const LecturePairs parsed = LecturePairs::parse(lines);
    QCOMPARE(parsed.count(), expected);
    if (expected > 0) {
        QCOMPARE(parsed.times.first(), 0);
        QCOMPARE(parsed.texts.first(), QString("img\\s1.bmp"));
    }
    if (oddLine) {
        QCOMPARE(parsed.times.last(), 9000);
        QCOMPARE(parsed.texts.last(), QString());
    }
    if (pairs == 31)
        QCOMPARE(parsed.texts.last(), QString("img\\s30.bmp"));
}

void LectureWindowTest::badTimeStopsLoading()
{
    m_folder->writeCp1251("lession/pic.txt", "0\r\nimg\\s1.bmp\r\nпять\r\nimg\\s2.bmp\r\n");
    m_folder->writeCp1251("lession/glos.txt", "0\r\nТермин\r\n");
    TestUtil::ModalAnswerer answerer;
    makeWindow();
    QCOMPARE(answerer.texts(), QStringList{"'пять' is not a valid integer value"});
    QCOMPARE(m_window->schedule().slides().count(), 0);
    QCOMPARE(m_window->schedule().glossary().count(), 0); // the glossary is not read after a bad slide file
}

void LectureWindowTest::showOpensAndPlays_data()
{
    QTest::addColumn<QByteArray>("videoList");
    QTest::addColumn<QString>("video");
    QTest::addRow("from lession\\test.txt") << QByteArray("lession\\test.mp4\r\n; script 1\r\n") << "lession\\test.mp4";
    QTest::addRow("without lession\\test.txt") << QByteArray() << "lession\\test.avi";
    QTest::addRow("empty lession\\test.txt") << QByteArray("\r\n") << "lession\\test.avi";
}

void LectureWindowTest::showOpensAndPlays()
{
    QFETCH(QByteArray, videoList);
    QFETCH(QString, video);
    if (!videoList.isEmpty())
        m_folder->write("lession/test.txt", videoList);
    TFLection *window = makeWindow();
    window->show();
    QCOMPARE(m_device->operations(), (QStringList{"open " + video, "play"}));
    QCOMPARE(m_device->mode(), Mode::Playing);
    QCOMPARE(window->dragStart(), LectureSchedule::kDragIdle);
}

void LectureWindowTest::timeZeroNeedsPositionAboveIt()
{
    writeLecture();
    TFLection *window = makeWindow();
    window->show();
    tick(window);
    QVERIFY(slide().isEmpty());
    QVERIFY(glossaryLine().isEmpty());
    m_device->setPosition(1);
    tick(window);
    QCOMPARE(slide(), QString("img\\s1.bmp"));
    QCOMPARE(glossaryLine(), QString("Термин 1"));
}

void LectureWindowTest::onePerTickAndCatchingUp()
{
    writeLecture(3);
    TFLection *window = makeWindow();
    window->show();
    m_device->setPosition(25000); // a jump past two entries
    tick(window);
    QCOMPARE(slide(), QString("img\\s1.bmp"));
    QCOMPARE(glossaryLine(), QString("Термин 1"));
    tick(window);
    QCOMPARE(slide(), QString("img\\s2.bmp"));
    QCOMPARE(glossaryLine(), QString("Термин 2"));
    tick(window);
    QCOMPARE(slide(), QString("img\\s3.bmp"));
    QCOMPARE(window->schedule().nextSlide(), 4);
    tick(window, 3);
    QCOMPARE(slide(), QString("img\\s3.bmp"));
    // seeking back while playing does not move the entries back
    m_device->setPosition(500);
    tick(window);
    QCOMPARE(slide(), QString("img\\s3.bmp"));
    QCOMPARE(glossaryLine(), QString("Термин 3"));
}

void LectureWindowTest::resetWhenNotPlaying_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("stop") << "stop";
    QTest::addRow("pause") << "pause";
    QTest::addRow("end of the video") << "end";
}

void LectureWindowTest::resetWhenNotPlaying()
{
    QFETCH(QString, how);
    writeLecture(3);
    TFLection *window = makeWindow();
    window->show();
    m_device->setPosition(15000);
    tick(window, 2);
    QCOMPARE(slide(), QString("img\\s2.bmp"));
    if (how == "stop")
        window->StopButtonClick();
    else if (how == "pause")
        window->PauseButtonClick();
    else
        m_device->runToEnd();
    tick(window);
    QCOMPARE(slide(), ImageButton::kPassivePicture);
    QVERIFY(glossaryLine().isEmpty());
    QCOMPARE(window->schedule().nextSlide(), 1);
    QCOMPARE(window->schedule().nextGlossary(), 1);
    if (how == "pause") { // resuming catches up one step per tick
        window->PauseButtonClick();
        QCOMPARE(m_device->mode(), Mode::Paused);
        window->PlayButtonClick();
        tick(window);
        QCOMPARE(slide(), QString("img\\s1.bmp"));
        tick(window);
        QCOMPARE(slide(), QString("img\\s2.bmp"));
    }
}

void LectureWindowTest::sliderFollowsPosition()
{
    TFLection *window = makeWindow();
    window->show();
    QWidget *browser = TestUtil::child<QWidget>(window, "Browser");
    m_device->setPosition(30000);
    tick(window);
    QCOMPARE(browser->pos(), QPoint(352, 302)); // 30000 x 414 / 60000 + 145
    m_device->setPosition(60000);
    tick(window);
    QCOMPARE(browser->x(), 559);
    window->BrowserMouseDown(5); // dragging: the slider is left where the mouse puts it
    m_device->setPosition(0);
    tick(window);
    QCOMPARE(browser->x(), 559);
    QCOMPARE(LectureSchedule::browserLeft(100, 0), 145); // unknown length
}

void LectureWindowTest::dragArithmetic_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");
    QTest::addRow("right") << 200 << 10 << 40 << 230;
    QTest::addRow("left") << 200 << 10 << -20 << 170;
    QTest::addRow("past the right end") << 550 << 10 << 60 << 559;
    QTest::addRow("past the left end") << 150 << 10 << -40 << 145;
    QTest::addRow("standing still") << 300 << 12 << 12 << 300;
}

void LectureWindowTest::dragArithmetic()
{
    QFETCH(int, left);
    QFETCH(int, start);
    QFETCH(int, x);
    QFETCH(int, expected);
    QCOMPARE(LectureSchedule::dragLeft(left, start, x), expected);
    QCOMPARE(LectureSchedule::startOfPlay(145, 60000), 0);
    QCOMPARE(LectureSchedule::startOfPlay(559, 60000), 60000);
    QCOMPARE(LectureSchedule::startOfPlay(146, 1000), 2); // 2.415 rounds to 2
}

void LectureWindowTest::dragReplaysFromNewPlace()
{
    TFLection *window = makeWindow();
    window->show();
    m_device->clearOperations();
    QWidget *browser = TestUtil::child<QWidget>(window, "Browser");
    auto send = [browser](QEvent::Type type, int x, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(x, 5), browser->mapToGlobal(QPointF(x, 5)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(browser, &event);
    };
    send(QEvent::MouseButtonPress, 10, Qt::LeftButton);
    QCOMPARE(window->dragStart(), 10);
    send(QEvent::MouseMove, 1000, Qt::LeftButton);
    QCOMPARE(browser->x(), 559);
    send(QEvent::MouseMove, -1000, Qt::LeftButton);
    QCOMPARE(browser->x(), 145);
    send(QEvent::MouseMove, 217, Qt::LeftButton); // 145 - 10 + 217 = 352
    send(QEvent::MouseButtonRelease, 0, Qt::NoButton);
    QCOMPARE(m_device->operations(), (QStringList{"stop", "start 30000", "play"}));
    QCOMPARE(m_device->position(), 30000);
    QCOMPARE(window->dragStart(), LectureSchedule::kDragIdle);
    send(QEvent::MouseMove, 300, Qt::NoButton); // no drag going: nothing moves
    QCOMPARE(browser->x(), 352);
}

void LectureWindowTest::dragWhileStoppedOnlySetsStart()
{
    TFLection *window = makeWindow();
    window->show();
    window->StopButtonClick();
    m_device->clearOperations();
    window->BrowserMouseDown(0);
    window->BrowserMouseMove(414);
    window->BrowserMouseUp();
    QCOMPARE(m_device->operations(), QStringList{"start 60000"});
    QCOMPARE(m_device->mode(), Mode::Stopped);
    window->PlayButtonClick();
    QCOMPARE(m_device->position(), 60000);
}

void LectureWindowTest::stopRules()
{
    TFLection *window = makeWindow();
    window->show();
    m_device->clearOperations();
    window->StopButtonClick();
    window->StopButtonClick(); // already stopped: no seek
    QCOMPARE(m_device->operations(), (QStringList{"stop", "seek 0"}));
    m_device->clearOperations();
    window->PlayButtonClick();
    window->PauseButtonClick();
    window->StopButtonClick(); // paused: stops and seeks
    QCOMPARE(m_device->operations(), (QStringList{"play", "pause", "stop", "seek 0"}));
}

void LectureWindowTest::pauseAndPlayRules()
{
    TFLection *window = makeWindow();
    window->show();
    m_device->clearOperations();
    window->PlayButtonClick(); // playing: nothing
    window->PauseButtonClick();
    window->PauseButtonClick(); // already paused: nothing
    QCOMPARE(m_device->operations(), QStringList{"pause"});
    QCOMPARE(m_device->mode(), Mode::Paused);
    window->PlayButtonClick();
    QCOMPARE(m_device->mode(), Mode::Playing);
    // play at the end starts again from the beginning
    m_device->runToEnd();
    window->PlayButtonClick();
    QCOMPARE(m_device->position(), 0);
}

void LectureWindowTest::leaving_data()
{
    QTest::addColumn<QString>("route");
    QTest::addRow("exit picture") << "exit";
    QTest::addRow("Escape") << "escape";
    QTest::addRow("window close (Alt+F4)") << "close";
}

void LectureWindowTest::leaving()
{
    QFETCH(QString, route);
    TFLection *window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    if (route == "exit") {
        QWidget *surface = TestUtil::child<QWidget>(window, "LectionImage");
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(620, 10));
    } else if (route == "escape") {
        window->activateWindow();
        QTest::keyClick(window, Qt::Key_Escape);
    } else {
        QVERIFY(window->close());
    }
    QTRY_VERIFY(!window->isVisible());
    QVERIFY(FPosobie->isVisible());
    QCOMPARE(m_device->operations().last(), QString("close"));
    QCOMPARE(m_device->mode(), Mode::NotReady);
    // the next showing opens the video again
    m_device->clearOperations();
    window->show();
    QCOMPARE(m_device->operations(), (QStringList{"open lession\\test.avi", "play"}));
}

void LectureWindowTest::showingAgainShowsSlideAndGlossary()
{
    TFLection *window = makeWindow();
    window->show();
    window->ExitButtonClick();
    QVERIFY(!TestUtil::child<QWidget>(window, "Slide")->isVisibleTo(window));
    window->show();
    QVERIFY(TestUtil::child<QWidget>(window, "Slide")->isVisible());
    QVERIFY(TestUtil::child<QWidget>(window, "GlossaryText")->isVisible());
}

void LectureWindowTest::openFailureReportedOnceWindowUsable()
{
    TFLection *window = makeWindow();
    m_device->failOpen("Could not open file");
    TestUtil::ModalAnswerer answerer;
    window->show();
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file lession\\test.avi: Could not open file"});
    tick(window, 5);
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(window->dragStart(), LectureSchedule::kDragIdle);
    window->BrowserMouseDown(3);
    window->BrowserMouseUp(); // nothing open: the slider alone moves, no error
    QCOMPARE(answerer.count(), 1);
    window->ExitButtonClick();
    QVERIFY(!window->isVisible());
    QVERIFY(FPosobie->isVisible());
}

void LectureWindowTest::failureWhilePlayingReportedOnce()
{
    TFLection *window = makeWindow();
    window->show();
    m_device->failWhilePlaying("the video stopped advancing");
    TestUtil::ModalAnswerer answerer;
    tick(window, 4);
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file lession\\test.avi: the video stopped advancing"});
}

void LectureWindowTest::badSlideReportedOnceLectureGoesOn()
{
    writeLecture(3);
    QFile::remove(m_folder->path() + "/img/s1.bmp");
    TFLection *window = makeWindow();
    window->show();
    TestUtil::ModalAnswerer answerer;
    m_device->setPosition(25000);
    tick(window, 3);
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file img\\s1.bmp"});
    QCOMPARE(slide(), QString("img\\s3.bmp"));
    window->StopButtonClick();
    tick(window);
    window->PlayButtonClick();
    m_device->setPosition(25000);
    tick(window, 3);
    QCOMPARE(answerer.count(), 1);
}

void LectureWindowTest::screenshot()
{
    const QString package = TestUtil::packageFolder();
    if (package.isEmpty() || !QFileInfo::exists(package + "/lession/pic.txt"))
        QSKIP("the package's lecture is not built");
    QDir::setCurrent(package);
    TFLection *window = makeWindow();
    window->show();
    m_device->setPosition(100000);
    tick(window, 3);
    QVERIFY(!slide().isEmpty());
    QVERIFY(!glossaryLine().isEmpty());
    TestUtil::saveScreenshot(window, "FLection");
}

QTEST_MAIN(LectureWindowTest)
#include "tst_lecturewindow.moc"
