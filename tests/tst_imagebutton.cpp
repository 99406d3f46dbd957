#include "platform/contenterror.h"
#include "shell/imagebutton.h"
#include "shell/imagebuttongroup.h"

#include "testutil.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

using Picture = ImageButtonGroup::Picture;

// The picture buttons: which pictures load, in which order, and the group's
// flags through the edge cases of moving, pressing and releasing.
class ImageButtonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inside_data();
    void inside();
    void entersActiveOrPressed_data();
    void entersActiveOrPressed();
    void activeButtonDoesNotReload();
    void straightOntoNeighbour();
    void leavingWhilePressedAndReleasingOutside();
    void releaseInsideShowsActive();
    void mouseDownOnActiveButtonKeepsOthers();
    void backgroundResetsOnce();
    void setPassiveTouchesOnlyActive();
    void clickNeedsPressAndReleaseOnSameButton();

    void surfaceDispatchesAndLoadsFiles();
    void surfaceClickAndCapture();
    void missingPictureKeepsOldOneAndFlags();
    void transparentCorner();

private:
    struct Recorder {
        QStringList loads;
        ImageButtonGroup::Loader loader()
        {
            return [this](int button, Picture picture) {
                static const char *names[] = {"passive", "active", "pressed"};
                loads.append(QStringLiteral("%1 %2").arg(button).arg(QLatin1String(names[int(picture)])));
            };
        }
    };
    static void mouse(QWidget *surface, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held);
    static void writeButtonPictures(const TestUtil::WorkingFolder &folder);
};

void ImageButtonTest::inside_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("expected");
    QTest::addRow("origin") << 0 << 0 << true;
    QTest::addRow("last pixel") << 29 << 23 << true;
    QTest::addRow("right edge") << 30 << 10 << false;
    QTest::addRow("bottom edge") << 10 << 24 << false;
    QTest::addRow("left of it") << -1 << 10 << false;
    QTest::addRow("above it") << 10 << -1 << false;
}

void ImageButtonTest::inside()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, expected);
    QCOMPARE(ImageButtonGroup::inside(x, y, 30, 24), expected);
}

void ImageButtonTest::entersActiveOrPressed_data()
{
    QTest::addColumn<bool>("leftHeld");
    QTest::addColumn<QString>("picture");
    QTest::addRow("pointer enters") << false << "0 active";
    QTest::addRow("enters with the left button held") << true << "0 pressed";
}

void ImageButtonTest::entersActiveOrPressed()
{
    QFETCH(bool, leftHeld);
    QFETCH(QString, picture);
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseMove(0, true, leftHeld);
    QCOMPARE(recorder.loads, QStringList{picture});
    QVERIFY(group.isActive(0));
    QVERIFY(!group.allPassive());
}

void ImageButtonTest::activeButtonDoesNotReload()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseMove(2, true, false);
    group.mouseMove(2, true, false);
    group.mouseMove(2, true, true);
    QCOMPARE(recorder.loads, QStringList{"2 active"});
}

void ImageButtonTest::straightOntoNeighbour()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseMove(0, true, false);
    group.mouseMove(1, true, false);
    QCOMPARE(recorder.loads, (QStringList{"0 active", "0 passive", "1 active"}));
    QVERIFY(!group.isActive(0));
    QVERIFY(group.isActive(1));
}

void ImageButtonTest::leavingWhilePressedAndReleasingOutside()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseDown(1);
    group.mouseMove(1, false, true);
    group.mouseMove(1, false, true);
    QVERIFY(!group.isClick(1, false));
    group.mouseUp(1, false);
    QCOMPARE(recorder.loads, (QStringList{"1 pressed", "1 passive"}));
    QVERIFY(!group.isActive(1));
}

void ImageButtonTest::releaseInsideShowsActive()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseMove(3, true, false);
    group.mouseDown(3);
    QVERIFY(group.isClick(3, true));
    group.mouseUp(3, true);
    QCOMPARE(recorder.loads, (QStringList{"3 active", "3 pressed", "3 active"}));
    QVERIFY(group.isActive(3));
}

void ImageButtonTest::mouseDownOnActiveButtonKeepsOthers()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseDown(0); // not active yet: the group is reset first (nothing to reset)
    group.mouseUp(0, true);
    group.mouseDown(0); // already active: no reset, straight to pressed
    QCOMPARE(recorder.loads, (QStringList{"0 pressed", "0 active", "0 pressed"}));
}

void ImageButtonTest::backgroundResetsOnce()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    QVERIFY(!group.allPassive()); // every flag starts clear
    group.backgroundMove();
    QVERIFY(group.allPassive());
    QVERIFY(recorder.loads.isEmpty());
    group.mouseMove(2, true, false);
    group.backgroundMove();
    group.backgroundMove();
    QCOMPARE(recorder.loads, (QStringList{"2 active", "2 passive"}));
    QVERIFY(group.allPassive());
}

void ImageButtonTest::setPassiveTouchesOnlyActive()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    group.mouseMove(1, true, false);
    recorder.loads.clear();
    group.setPassiveButtons();
    group.setPassiveButtons();
    QCOMPARE(recorder.loads, QStringList{"1 passive"});
}

void ImageButtonTest::clickNeedsPressAndReleaseOnSameButton()
{
    Recorder recorder;
    ImageButtonGroup group(4, recorder.loader());
    QVERIFY(!group.isClick(0, true)); // a release without a press
    group.mouseDown(0);
    QVERIFY(!group.isClick(1, true));
    group.mouseUp(0, true);
    QVERIFY(!group.isClick(0, true)); // the press is used up
}

void ImageButtonTest::mouse(QWidget *surface, QEvent::Type type, QPoint at, Qt::MouseButton button,
                            Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), surface->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(surface, &event);
}

void ImageButtonTest::writeButtonPictures(const TestUtil::WorkingFolder &folder)
{
    QImage picture(30, 24, QImage::Format_RGB32);
    for (const QString &name : QStringList{"empty", "AActive", "APressed", "BActive", "BPressed"}) {
        picture.fill(name == QStringLiteral("empty") ? Qt::magenta : Qt::darkGreen);
        QVERIFY(picture.save(folder.path() + QStringLiteral("/img/") + name + QStringLiteral(".bmp"), "BMP"));
    }
}

namespace {

const QList<ImageButtonSurface::Button> kTwoButtons = {
    {"ButtonA", QRect(10, 10, 30, 24), "img/AActive.bmp", "img/APressed.bmp"},
    {"ButtonB", QRect(40, 10, 30, 24), "img/BActive.bmp", "img/BPressed.bmp"},
};

} // namespace

void ImageButtonTest::surfaceDispatchesAndLoadsFiles()
{
    TestUtil::WorkingFolder folder;
    folder.write("img/.keep", "");
    writeButtonPictures(folder);
    ImageButtonSurface surface("Background", kTwoButtons, nullptr);
    surface.resize(100, 60);
    ImageButton *a = TestUtil::child<ImageButton>(&surface, "ButtonA");
    ImageButton *b = TestUtil::child<ImageButton>(&surface, "ButtonB");
    QCOMPARE(a->geometry(), QRect(10, 10, 30, 24));

    mouse(&surface, QEvent::MouseMove, {15, 15}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(a->pictureFile(), QString("img/AActive.bmp"));
    // from A straight onto B: A passive, B active in one move
    mouse(&surface, QEvent::MouseMove, {40, 15}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(a->pictureFile(), ImageButton::kPassivePicture);
    QCOMPARE(b->pictureFile(), QString("img/BActive.bmp"));
    const int loads = b->loads();
    mouse(&surface, QEvent::MouseMove, {45, 16}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(b->loads(), loads);
    mouse(&surface, QEvent::MouseMove, {90, 50}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(b->pictureFile(), ImageButton::kPassivePicture);
    QVERIFY(surface.group().allPassive());
    // a press that began on the background, held while entering A: pressed at once
    mouse(&surface, QEvent::MouseButtonPress, {90, 50}, Qt::LeftButton, Qt::LeftButton);
    mouse(&surface, QEvent::MouseMove, {12, 12}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(a->pictureFile(), QString("img/APressed.bmp"));
    mouse(&surface, QEvent::MouseButtonRelease, {12, 12}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(a->pictureFile(), QString("img/AActive.bmp"));
}

void ImageButtonTest::surfaceClickAndCapture()
{
    TestUtil::WorkingFolder folder;
    folder.write("img/.keep", "");
    writeButtonPictures(folder);
    ImageButtonSurface surface("Background", kTwoButtons, nullptr);
    surface.resize(100, 60);
    ImageButton *a = TestUtil::child<ImageButton>(&surface, "ButtonA");
    ImageButton *b = TestUtil::child<ImageButton>(&surface, "ButtonB");
    int clicksA = 0;
    int clicksB = 0;
    connect(a, &ImageButton::clicked, this, [&] { ++clicksA; });
    connect(b, &ImageButton::clicked, this, [&] { ++clicksB; });

    mouse(&surface, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(a->pictureFile(), QString("img/APressed.bmp"));
    mouse(&surface, QEvent::MouseButtonRelease, {20, 20}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicksA, 1);
    QCOMPARE(a->pictureFile(), QString("img/AActive.bmp"));

    // pressed on A, dragged over B and released there: A keeps the mouse, no click anywhere
    mouse(&surface, QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    mouse(&surface, QEvent::MouseMove, {50, 20}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(a->pictureFile(), ImageButton::kPassivePicture);
    QVERIFY(b->pictureFile().isEmpty());
    const int loadsOfA = a->loads();
    mouse(&surface, QEvent::MouseButtonRelease, {50, 20}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicksA, 1);
    QCOMPARE(clicksB, 0);
    QCOMPARE(a->loads(), loadsOfA);
}

void ImageButtonTest::missingPictureKeepsOldOneAndFlags()
{
    TestUtil::WorkingFolder folder;
    folder.write("img/.keep", "");
    writeButtonPictures(folder);
    QFile::remove(folder.path() + "/img/APressed.bmp");
    ImageButtonSurface surface("Background", kTwoButtons, nullptr);
    surface.resize(100, 60);
    ImageButton *a = TestUtil::child<ImageButton>(&surface, "ButtonA");
    mouse(&surface, QEvent::MouseMove, {15, 15}, Qt::NoButton, Qt::NoButton);
    TestUtil::ModalAnswerer answerer;
    mouse(&surface, QEvent::MouseButtonPress, {15, 15}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(answerer.texts(), QStringList{"Cannot open file img/APressed.bmp"});
    QCOMPARE(a->pictureFile(), QString("img/AActive.bmp"));
    QVERIFY(surface.group().isActive(0));
}

void ImageButtonTest::transparentCorner()
{
    TestUtil::WorkingFolder folder;
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    picture.setPixel(1, 1, qRgb(10, 200, 10));
    QDir().mkpath(folder.path() + "/img");
    QVERIFY(picture.save(folder.path() + "/img/t.bmp", "BMP"));
    const QImage loaded = ImageButton::loadTransparent("IMG\\T.BMP").toImage();
    QCOMPARE(qAlpha(loaded.pixel(0, 2)), 0);
    QCOMPARE(qAlpha(loaded.pixel(1, 1)), 255);
    QVERIFY_THROWS_EXCEPTION(ContentError, ImageButton::loadTransparent("img/none.bmp"));
}

QTEST_MAIN(ImageButtonTest)
#include "tst_imagebutton.moc"
