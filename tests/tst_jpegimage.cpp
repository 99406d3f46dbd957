#include "platform/contenterror.h"
#include "platform/jpegimage.h"
#include "platform/random.h"
#include "testutil.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {

QByteArray encode(const QImage &image, int quality = 95)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", quality))
        qFatal("no JPEG writer");
    return bytes;
}

QImage testPicture(QImage::Format format)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    for (int y = 24; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixelColor(x, y, QColor(30, 60, 200));
    return image.convertToFormat(format);
}

// Sets the picture size written in the frame header (SOF0 marker).
QByteArray withSize(QByteArray bytes, int width, int height)
{
    const int sof = int(bytes.indexOf(QByteArray("\xFF\xC0", 2)));
    if (sof < 0)
        qFatal("no SOF0 marker");
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xFF);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xFF);
    return bytes;
}

} // namespace

class JpegImageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodesRgb();
    void decodesGrayscale();
    void badBytesGiveAnError_data();
    void badBytesGiveAnError();
    void randomBytesNeverCrash();
    void loadNamesTheFile_data();
    void loadNamesTheFile();
};

void JpegImageTest::decodesRgb()
{
    QString error;
    const QImage image = JpegImage::decode(encode(testPicture(QImage::Format_RGB32)), &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(image.size(), QSize(64, 48));
    const QColor top = image.pixelColor(10, 5);
    const QColor bottom = image.pixelColor(10, 40);
    QVERIFY(qAbs(top.red() - 200) < 12 && qAbs(top.blue() - 40) < 12);
    QVERIFY(qAbs(bottom.blue() - 200) < 12 && qAbs(bottom.red() - 30) < 12);
}

void JpegImageTest::decodesGrayscale()
{
    QString error;
    const QImage image = JpegImage::decode(encode(testPicture(QImage::Format_Grayscale8)), &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QCOMPARE(image.format(), QImage::Format_Grayscale8);
    QCOMPARE(image.size(), QSize(64, 48));
}

void JpegImageTest::badBytesGiveAnError_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = encode(testPicture(QImage::Format_RGB32));
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("truncated to half") << good.left(good.size() / 2);
    QTest::addRow("truncated after header") << good.left(int(good.indexOf(QByteArray("\xFF\xDA", 2))) + 4);
    QTest::addRow("only the start marker") << good.left(2);
    QTest::addRow("text") << QByteArray("this is not a picture");
    QByteArray noMarkers = good;
    for (int i = 2; i < 200 && i < noMarkers.size(); ++i)
        noMarkers[i] = 0;
    QTest::addRow("damaged header") << noMarkers;
    QTest::addRow("absurd size") << withSize(good, 60000, 60000);
    QTest::addRow("too many pixels") << withSize(good, 8000, 8000);
    QTest::addRow("zero size") << withSize(good, 0, 48);
}

void JpegImageTest::badBytesGiveAnError()
{
    QFETCH(QByteArray, bytes);
    QString error;
    const QImage image = JpegImage::decode(bytes, &error);
    QVERIFY(image.isNull());
    QVERIFY(!error.isEmpty());
}

void JpegImageTest::randomBytesNeverCrash()
{
    Random::seed(5);
    const QByteArray good = encode(testPicture(QImage::Format_RGB32));
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes;
        if (round % 2 == 0) {
            bytes.resize(Random::between(0, 4000));
            for (char &c : bytes)
                c = char(Random::uniform(256));
        } else {
            // a real picture with some bytes changed at random
            bytes = good;
            for (int i = 0; i < 8; ++i)
                bytes[Random::uniform(int(bytes.size()))] = char(Random::uniform(256));
        }
        QString error;
        const QImage image = JpegImage::decode(bytes, &error);
        QCOMPARE(image.isNull(), !error.isEmpty());
    }
}

void JpegImageTest::loadNamesTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray good = encode(testPicture(QImage::Format_RGB32));
    QTest::addRow("corrupt") << good.left(good.size() / 3) << QStringLiteral("Файл error1.jpg: ");
    QTest::addRow("random bytes") << QByteArray(1000, '\x5a') << QStringLiteral("Файл error1.jpg: ");
}

void JpegImageTest::loadNamesTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("error1.jpg"), bytes);
    folder.write(QStringLiteral("test1.jpg"), encode(testPicture(QImage::Format_RGB32)));
    QCOMPARE(JpegImage::load(QStringLiteral("TEST1.JPG")).size(), QSize(64, 48));
    try {
        JpegImage::load(QStringLiteral("error1.jpg"));
        QFAIL("no error");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
    }
    try {
        JpegImage::load(QStringLiteral("usb\\none.jpg"));
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file usb\\none.jpg"));
    }
}

QTEST_MAIN(JpegImageTest)
#include "tst_jpegimage.moc"
