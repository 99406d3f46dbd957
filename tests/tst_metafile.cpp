#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/metafile.h"
#include "platform/metafileview.h"
#include "testutil.h"
#include "wmfbytes.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <functional>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 160, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QList<int> kRedRef = WmfBytes::color(255, 0, 0);
const QList<int> kBlueRef = WmfBytes::color(0, 0, 255);
const QList<int> kGreenRef = WmfBytes::color(0, 160, 0);
const QList<int> kBlackRef = WmfBytes::color(0, 0, 0);

enum : quint16 {
    kSetBkMode = 0x0102,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetTextAlign = 0x012E,
    kSetPolyFillMode = 0x0106,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kMoveTo = 0x0214,
    kLineTo = 0x0213,
    kPolyline = 0x0325,
    kPolygon = 0x0324,
    kPolyPolygon = 0x0538,
    kEllipse = 0x0418,
    kRoundRect = 0x061C,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kSaveDc = 0x001E,
    kRestoreDc = 0x0127,
    kTextOut = 0x0521,
    kExtTextOut = 0x0A32,
    kCreateFont = 0x02FB,
};

QImage render(const QByteArray &bytes, const QSize &canvas = QSize(100, 100), QColor background = kWhite)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(background);
    const Metafile metafile = Metafile::fromBytes(bytes, QStringLiteral("test.wmf"));
    QPainter painter(&image);
    metafile.draw(painter, QRectF(QPointF(0, 0), QSizeF(metafile.size())));
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

int count(const QImage &image, const QColor &color, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == color ? 1 : 0;
    return n;
}

// Pixels that are neither white nor the given background: the ink of a drawing.
QRect inkBounds(const QImage &image, const QColor &background = kWhite)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

// The usual start: black pen in slot 0, red brush in slot 1, both selected.
WmfBytes penAndRedBrush()
{
    WmfBytes wmf;
    wmf.pen(0, 1, kBlackRef).brush(0, kRedRef).select(0).select(1);
    return wmf;
}

QList<int> font(int height, const QByteArray &face = "Arial")
{
    QByteArray name = face;
    name.append('\0');
    return QList<int>{height, 0, 0, 0, 400, 0, 204 << 8, 0, 0} + WmfBytes::text(name);
}

QList<int> textOut(int x, int y, const QString &text)
{
    const QByteArray bytes = *Cp1251::encode(text);
    return QList<int>{int(bytes.size())} + WmfBytes::text(bytes) + QList<int>{y, x};
}

struct ShapeCase {
    const char *name;
    std::function<QByteArray()> build;
    QList<std::pair<QPoint, QColor>> pixels;
};

QList<ShapeCase> shapeCases()
{
    return {
        {"rectangle",
         [] { return penAndRedBrush().rectangle(10, 10, 50, 40).bytes(); },
         {{{30, 25}, kRed}, {{10, 20}, kBlack}, {{5, 5}, kWhite}, {{70, 70}, kWhite}}},
        {"ellipse",
         [] {
             return penAndRedBrush().record(kEllipse, {90, 90, 10, 10}).bytes();
         },
         {{{50, 50}, kRed}, {{13, 13}, kWhite}, {{50, 10}, kBlack}}},
        {"round rectangle",
         [] {
             return penAndRedBrush().record(kRoundRect, {40, 40, 90, 90, 10, 10}).bytes();
         },
         {{{50, 50}, kRed}, {{11, 11}, kWhite}, {{50, 10}, kBlack}, {{30, 50}, kRed}}},
        {"pie: the upper right quarter",
         [] {
             return penAndRedBrush().record(kPie, {10, 50, 50, 90, 90, 90, 10, 10}).bytes();
         },
         {{{65, 35}, kRed}, {{35, 65}, kWhite}, {{35, 35}, kWhite}, {{65, 65}, kWhite}}},
        {"chord: the segment beyond the chord",
         [] {
             return penAndRedBrush().record(kChord, {10, 50, 50, 90, 90, 90, 10, 10}).bytes();
         },
         {{{75, 25}, kRed}, {{60, 40}, kWhite}, {{35, 65}, kWhite}}},
        {"arc: outline only",
         [] {
             return penAndRedBrush().record(kArc, {10, 50, 50, 90, 90, 90, 10, 10}).bytes();
         },
         {{{50, 50}, kWhite}, {{65, 35}, kWhite}, {{22, 78}, kWhite}}},
        {"polygon",
         [] {
             return penAndRedBrush().record(kPolygon, {3, 10, 10, 90, 10, 10, 90}).bytes();
         },
         {{{20, 20}, kRed}, {{80, 80}, kWhite}}},
        {"polyline never fills",
         [] {
             return penAndRedBrush().record(kPolyline, {3, 10, 10, 90, 10, 90, 90}).bytes();
         },
         {{{50, 10}, kBlack}, {{90, 50}, kBlack}, {{80, 20}, kWhite}}},
        {"polypolygon with a hole",
         [] {
             return penAndRedBrush()
                 .record(kPolyPolygon, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70})
                 .bytes();
         },
         {{{20, 20}, kRed}, {{50, 50}, kWhite}, {{80, 50}, kRed}}},
        {"move and line",
         [] {
             return WmfBytes()
                 .pen(0, 1, kBlueRef)
                 .select(0)
                 .record(kMoveTo, {30, 10})
                 .record(kLineTo, {30, 90})
                 .bytes();
         },
         {{{50, 30}, kBlue}, {{50, 32}, kWhite}, {{5, 30}, kWhite}}},
        {"window origin and extent map onto the frame",
         [] {
             return penAndRedBrush()
                 .record(kSetWindowOrg, {100, 100})
                 .record(kSetWindowExt, {50, 50})
                 .rectangle(110, 110, 120, 120)
                 .bytes();
         },
         {{{30, 30}, kRed}, {{15, 15}, kWhite}, {{45, 45}, kWhite}}},
        {"a wide pen",
         [] {
             return WmfBytes()
                 .pen(0, 9, kBlueRef)
                 .select(0)
                 .record(kMoveTo, {50, 10})
                 .record(kLineTo, {50, 90})
                 .bytes();
         },
         {{{50, 53}, kBlue}, {{50, 47}, kBlue}, {{50, 58}, kWhite}}},
        {"a null pen draws no outline",
         [] {
             return WmfBytes()
                 .pen(5, 1, kBlackRef)
                 .brush(0, kRedRef)
                 .select(0)
                 .select(1)
                 .rectangle(10, 10, 50, 50)
                 .bytes();
         },
         {{{30, 30}, kRed}, {{10, 30}, kRed}}},
        {"saved state restored",
         [] {
             return WmfBytes()
                 .pen(0, 1, kBlackRef)
                 .brush(0, kRedRef)
                 .brush(0, kBlueRef)
                 .select(0)
                 .select(1)
                 .record(kSaveDc, {})
                 .select(2)
                 .record(kRestoreDc, {-1})
                 .rectangle(10, 10, 50, 50)
                 .bytes();
         },
         {{{30, 30}, kRed}}},
        {"a freed slot is taken by the next object",
         [] {
             return WmfBytes()
                 .brush(0, kRedRef)
                 .remove(0)
                 .brush(0, kBlueRef)
                 .select(0)
                 .rectangle(10, 10, 50, 50)
                 .bytes();
         },
         {{{30, 30}, kBlue}}},
        {"selecting an empty slot keeps the default white brush and black pen",
         [] { return WmfBytes().select(5).rectangle(10, 10, 50, 50).bytes(); },
         {{{30, 30}, kWhite}, {{10, 30}, kBlack}}},
        {"unknown records are skipped",
         [] {
             return penAndRedBrush().record(0x0999, {1, 2, 3}).record(0x0626, {}).rectangle(10, 10, 50, 50).bytes();
         },
         {{{30, 30}, kRed}}},
    };
}

} // namespace

class MetafileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizeFromThePlaceableHeader_data();
    void sizeFromThePlaceableHeader();
    void sizeFromTheWindowWithoutPlaceableHeader();
    void drawsShapes_data();
    void drawsShapes();
    void dashedPenLeavesGaps();
    void hatchedBrushFollowsTheBackgroundMode();
    void hatchDirections_data();
    void hatchDirections();
    void textIsPlacedByItsAlignment_data();
    void textIsPlacedByItsAlignment();
    void textBackgroundFollowsTheMode();
    void extTextOutFillsItsBox();
    void stretchesOntoTheTarget();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void everyTruncationIsRefused();
    void randomDamageNeverCrashes();
    void loadResolvesContentPaths();
    void loadNamesAMissingFile_data();
    void loadNamesAMissingFile();
    void viewDrawsAtNaturalSizeOrStretched();
};

void MetafileTest::sizeFromThePlaceableHeader_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<int>("inch");
    QTest::addColumn<QSize>("size");
    QTest::addRow("pixels") << QRect(0, 0, 469, 365) << 96 << QSize(469, 365);
    QTest::addRow("twips") << QRect(0, 0, 2880, 1440) << 1440 << QSize(192, 96);
    QTest::addRow("shifted frame") << QRect(-50, 20, 200, 100) << 96 << QSize(200, 100);
}

void MetafileTest::sizeFromThePlaceableHeader()
{
    QFETCH(QRect, frame);
    QFETCH(int, inch);
    QFETCH(QSize, size);
    const Metafile metafile = Metafile::fromBytes(WmfBytes(frame, inch).bytes(), QStringLiteral("a.wmf"));
    QVERIFY(!metafile.isNull());
    QCOMPARE(metafile.size(), size);
    QVERIFY(Metafile().isNull());
    QCOMPARE(Metafile().size(), QSize());
}

void MetafileTest::sizeFromTheWindowWithoutPlaceableHeader()
{
    WmfBytes wmf = WmfBytes::withoutPlaceableHeader();
    wmf.record(kSetWindowOrg, {0, 0}).record(kSetWindowExt, {80, 120});
    wmf.brush(0, kRedRef).select(0).rectangle(0, 0, 120, 80);
    const QImage image = render(wmf.bytes(), QSize(150, 100));
    QCOMPARE(Metafile::fromBytes(wmf.bytes(), QStringLiteral("a.wmf")).size(), QSize(120, 80));
    QCOMPARE(at(image, 60, 40), kRed);
    QCOMPARE(at(image, 130, 90), kWhite);
}

void MetafileTest::drawsShapes_data()
{
    QTest::addColumn<int>("index");
    const QList<ShapeCase> cases = shapeCases();
    for (int i = 0; i < cases.size(); ++i)
        QTest::addRow("%s", cases[i].name) << i;
}

void MetafileTest::drawsShapes()
{
    QFETCH(int, index);
    const ShapeCase shape = shapeCases()[index];
    const QImage image = render(shape.build());
    for (const auto &[point, color] : shape.pixels) {
        if (at(image, point.x(), point.y()) != color)
            QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                 .arg(point.x())
                                 .arg(point.y())
                                 .arg(at(image, point.x(), point.y()).name(), color.name())));
    }
    if (QByteArray(shape.name).startsWith("arc"))
        QVERIFY(count(image, kBlack, QRect(74, 18, 8, 8)) > 0); // the arc passes 45 degrees
    if (QByteArray(shape.name).startsWith("a null pen"))
        QCOMPARE(count(image, kBlack, image.rect()), 0);
}

void MetafileTest::dashedPenLeavesGaps()
{
    const QImage image =
        render(WmfBytes().pen(1, 1, kBlackRef).select(0).record(kMoveTo, {50, 0}).record(kLineTo, {50, 100}).bytes());
    const int ink = count(image, kBlack, QRect(0, 50, 100, 1));
    QVERIFY2(ink > 30 && ink < 90, qPrintable(QString::number(ink)));
}

void MetafileTest::hatchedBrushFollowsTheBackgroundMode()
{
    const auto picture = [](int mode) {
        return render(WmfBytes()
                          .pen(5, 1, kBlackRef)
                          .brush(0, kRedRef)
                          .brush(2, kBlueRef, 4)
                          .select(0)
                          .select(1)
                          .rectangle(0, 0, 100, 100)
                          .select(2)
                          .record(kSetBkMode, {mode})
                          .record(kSetBkColor, kGreenRef)
                          .rectangle(20, 20, 80, 80)
                          .bytes());
    };
    const QRect inside(25, 25, 50, 50);
    const QImage transparent = picture(1);
    QVERIFY(count(transparent, kBlue, inside) > 100);
    QVERIFY(count(transparent, kRed, inside) > 100);
    QCOMPARE(count(transparent, kGreen, inside), 0);
    const QImage opaque = picture(2);
    QVERIFY(count(opaque, kBlue, inside) > 100);
    QVERIFY(count(opaque, kGreen, inside) > 100);
    QCOMPARE(count(opaque, kRed, inside), 0);
}

void MetafileTest::hatchDirections_data()
{
    QTest::addColumn<int>("hatch");
    QTest::addColumn<QPoint>("along");
    QTest::addRow("horizontal") << 0 << QPoint(1, 0);
    QTest::addRow("vertical") << 1 << QPoint(0, 1);
    QTest::addRow("forward diagonal, down to the right") << 2 << QPoint(1, 1);
    QTest::addRow("backward diagonal, up to the right") << 3 << QPoint(1, -1);
}

void MetafileTest::hatchDirections()
{
    QFETCH(int, hatch);
    QFETCH(QPoint, along);
    const QImage image = render(WmfBytes()
                                    .pen(5, 1, kBlackRef)
                                    .brush(2, kBlueRef, hatch)
                                    .select(0)
                                    .select(1)
                                    .record(kSetBkMode, {1})
                                    .rectangle(0, 0, 100, 100)
                                    .bytes());
    int followed = 0, ink = 0;
    for (int y = 30; y < 70; ++y)
        for (int x = 30; x < 70; ++x) {
            if (at(image, x, y) != kBlue)
                continue;
            ++ink;
            followed += at(image, x + along.x(), y + along.y()) == kBlue ? 1 : 0;
        }
    QVERIFY(ink > 0);
    QCOMPARE(followed, ink);
}

void MetafileTest::textIsPlacedByItsAlignment_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRect>("area");
    QTest::addRow("left top") << 0 << QPoint(10, 10) << QRect(10, 10, 110, 30);
    QTest::addRow("right bottom") << (2 | 8) << QPoint(190, 90) << QRect(80, 60, 111, 31);
    QTest::addRow("centre baseline") << (6 | 24) << QPoint(100, 60) << QRect(40, 35, 120, 30);
}

void MetafileTest::textIsPlacedByItsAlignment()
{
    QFETCH(int, align);
    QFETCH(QPoint, point);
    QFETCH(QRect, area);
    WmfBytes wmf(QRect(0, 0, 200, 100));
    wmf.record(kCreateFont, font(-20)).select(0).record(kSetTextColor, kRedRef).record(kSetBkMode, {1});
    wmf.record(kSetTextAlign, {align}).record(kTextOut, textOut(point.x(), point.y(), QStringLiteral("ШИНА ISA")));
    const QImage image = render(wmf.bytes(), QSize(200, 100));
    const QRect ink = inkBounds(image);
    QVERIFY2(ink.width() > 40, qPrintable(QString::number(ink.width())));
    QVERIFY2(
        area.contains(ink),
        qPrintable(QStringLiteral("ink at %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
    if ((align & 6) == 6)
        QVERIFY(qAbs((ink.left() + ink.right()) / 2 - point.x()) <= 3);
    if ((align & 24) == 24)
        QVERIFY(ink.bottom() <= point.y() + 1 && ink.bottom() >= point.y() - 2);
}

void MetafileTest::textBackgroundFollowsTheMode()
{
    const auto picture = [](int mode) {
        WmfBytes wmf(QRect(0, 0, 200, 100));
        wmf.pen(5, 1, kBlackRef).brush(0, kRedRef).record(kCreateFont, font(-20)).select(0).select(1).select(2);
        wmf.rectangle(0, 0, 200, 100).record(kSetBkMode, {mode}).record(kSetTextColor, kBlueRef);
        wmf.record(kTextOut, textOut(10, 10, QStringLiteral("ПДП")));
        return render(wmf.bytes(), QSize(200, 100));
    };
    QCOMPARE(count(picture(1), kWhite, QRect(0, 0, 200, 100)), 0);
    QVERIFY(count(picture(2), kWhite, QRect(10, 10, 60, 25)) > 50);
}

void MetafileTest::extTextOutFillsItsBox()
{
    const QByteArray text = *Cp1251::encode(QStringLiteral("Шина"));
    WmfBytes wmf;
    wmf.record(kCreateFont, font(-16)).select(0).record(kSetBkColor, kGreenRef).record(kSetTextColor, kRedRef);
    wmf.record(kExtTextOut, QList<int>{20, 15, int(text.size()), 2, 10, 10, 90, 50} + WmfBytes::text(text));
    const QImage image = render(wmf.bytes());
    QCOMPARE(at(image, 85, 45), kGreen);
    QCOMPARE(at(image, 95, 45), kWhite);
    QVERIFY(count(image, kRed, QRect(10, 10, 80, 40)) + count(image, kGreen, QRect(10, 10, 80, 40)) > 2000);
    QVERIFY(inkBounds(image) == QRect(10, 10, 80, 40) || inkBounds(image) == QRect(10, 10, 81, 41));
}

void MetafileTest::stretchesOntoTheTarget()
{
    const QByteArray bytes =
        WmfBytes().pen(5, 1, kBlackRef).brush(0, kRedRef).select(0).select(1).rectangle(0, 0, 50, 50).bytes();
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    Metafile::fromBytes(bytes, QStringLiteral("a.wmf")).draw(painter, QRectF(100, 0, 200, 200));
    painter.end();
    QCOMPARE(at(image, 105, 5), kRed);
    QCOMPARE(at(image, 195, 95), kRed);
    QCOMPARE(at(image, 95, 50), kWhite);
    QCOMPARE(at(image, 205, 105), kWhite);
}

void MetafileTest::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = penAndRedBrush().rectangle(1, 1, 9, 9).bytes();
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("ten bytes") << good.left(10);
    QTest::addRow("placeable key only") << good.left(4);
    QTest::addRow("header only, no end record") << good.left(22 + 18);
    QByteArray badType = good;
    badType[22] = 7;
    QTest::addRow("unknown header type") << badType;
    QByteArray badHeaderSize = good;
    badHeaderSize[24] = 8;
    QTest::addRow("wrong header size") << badHeaderSize;
    QTest::addRow("record of size zero") << WmfBytes().rawRecord(0, kLineTo, {1, 1}).bytes();
    QTest::addRow("record of size two") << WmfBytes().rawRecord(2, kLineTo, {1, 1}).bytes();
    QTest::addRow("record beyond the file") << WmfBytes().rawRecord(100000, kLineTo, {1, 1}).bytes();
    QTest::addRow("record size 4 G words") << WmfBytes().rawRecord(0xFFFFFFFF, kLineTo, {1, 1}).bytes();
    QTest::addRow("no end-of-file record") << penAndRedBrush().rectangle(1, 1, 9, 9).bytes(false);
    QTest::addRow("short line") << WmfBytes().record(kLineTo, {1}).bytes();
    QTest::addRow("short rectangle") << WmfBytes().record(0x041B, {1, 2, 3}).bytes();
    QTest::addRow("short arc") << WmfBytes().record(kArc, {1, 2, 3, 4, 5, 6, 7}).bytes();
    QTest::addRow("polyline of 65535 points holding two") << WmfBytes().record(kPolyline, {65535, 1, 1, 2, 2}).bytes();
    QTest::addRow("polypolygon counts past the record")
        << WmfBytes().record(kPolyPolygon, {2, 65535, 65535, 1, 1, 2, 2, 3, 3}).bytes();
    QTest::addRow("polypolygon of 65535 polygons without counts") << WmfBytes().record(kPolyPolygon, {65535}).bytes();
    QTest::addRow("text longer than its record") << WmfBytes().record(kTextOut, {200, 0x4141, 10, 10}).bytes();
    QTest::addRow("negative text length") << WmfBytes().record(kTextOut, {-4, 0x4141, 10, 10}).bytes();
    QTest::addRow("clipped text without its box") << WmfBytes().record(kExtTextOut, {10, 10, 2, 4, 0x4141}).bytes();
    QTest::addRow("short font") << WmfBytes().record(kCreateFont, {-12, 0, 0}).bytes();
    QTest::addRow("short pen") << WmfBytes().record(0x02FA, {0, 1}).bytes();
    QTest::addRow("object in a header declaring none")
        << WmfBytes(QRect(0, 0, 10, 10), 96, 0).brush(0, kRedRef).bytes();
    QTest::addRow("more objects than declared")
        << WmfBytes(QRect(0, 0, 10, 10), 96, 1).brush(0, kRedRef).brush(0, kBlueRef).bytes();
    QTest::addRow("zero units per inch") << WmfBytes(QRect(0, 0, 10, 10), 0).bytes();
    QTest::addRow("empty frame") << WmfBytes(QRect(5, 5, 0, 10)).bytes();
    QTest::addRow("frame of 32000 pixels") << WmfBytes(QRect(0, 0, 32000, 100)).bytes();
    QTest::addRow("frame under a pixel") << WmfBytes(QRect(0, 0, 5, 5), 1440).bytes();
    QTest::addRow("no placeable header and no window")
        << WmfBytes::withoutPlaceableHeader().rectangle(1, 1, 9, 9).bytes();
    QByteArray huge = WmfBytes().record(0x0999, QList<int>(5 * 1024 * 1024, 0)).bytes();
    QTest::addRow("larger than 8 MB") << huge;
}

void MetafileTest::damagedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    try {
        Metafile::fromBytes(bytes, QStringLiteral("isa\\Diagr\\bad.wmf"));
        QFAIL("accepted");
    } catch (const ContentError &error) {
        QVERIFY2(error.message().contains(QStringLiteral("isa\\Diagr\\bad.wmf")), qPrintable(error.message()));
    }
}

void MetafileTest::everyTruncationIsRefused()
{
    WmfBytes wmf = penAndRedBrush();
    wmf.record(kCreateFont, font(-12)).select(2).record(kTextOut, textOut(1, 1, QStringLiteral("Шина")));
    wmf.record(kPolyPolygon, {1, 3, 0, 0, 5, 0, 0, 5}).record(kArc, {1, 2, 3, 4, 9, 9, 0, 0});
    const QByteArray bytes = wmf.bytes();
    for (qsizetype length = 0; length < bytes.size(); ++length) {
        try {
            Metafile::fromBytes(bytes.left(length), QStringLiteral("cut.wmf"));
            QFAIL(qPrintable(QStringLiteral("accepted %1 of %2 bytes").arg(length).arg(bytes.size())));
        } catch (const ContentError &) {
        }
    }
    QVERIFY(!Metafile::fromBytes(bytes, QStringLiteral("whole.wmf")).isNull());
}

void MetafileTest::randomDamageNeverCrashes()
{
    WmfBytes wmf = penAndRedBrush();
    wmf.record(kCreateFont, font(-12)).select(2).record(kTextOut, textOut(1, 1, QStringLiteral("Шина")));
    wmf.record(kPolyPolygon, {1, 3, 0, 0, 5, 0, 0, 5}).record(kPolyline, {2, 0, 0, 9, 9});
    wmf.record(kSaveDc, {}).record(kRestoreDc, {-3}).record(kPie, {1, 2, 3, 4, 9, 9, 0, 0});
    const QByteArray good = wmf.bytes();
    QRandomGenerator random(20261209);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = good;
        for (int flips = 1 + random.bounded(4); flips > 0; --flips)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        try {
            const Metafile metafile = Metafile::fromBytes(bytes, QStringLiteral("random.wmf"));
            QImage image(64, 64, QImage::Format_RGB32);
            QPainter painter(&image);
            metafile.draw(painter, QRectF(0, 0, 64, 64));
            ++accepted;
        } catch (const ContentError &) {
        }
    }
    QVERIFY(accepted > 0);
}

void MetafileTest::loadResolvesContentPaths()
{
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("isa/Diagr/Pic.wmf"), penAndRedBrush().rectangle(0, 0, 100, 100).bytes());
    const Metafile metafile = Metafile::load(QStringLiteral("ISA\\diagr\\pic.WMF"));
    QCOMPARE(metafile.size(), QSize(100, 100));
}

void MetafileTest::loadNamesAMissingFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addRow("missing") << QStringLiteral("isa\\Diagr\\none.wmf");
    QTest::addRow("a folder") << QStringLiteral("isa\\Diagr");
}

void MetafileTest::loadNamesAMissingFile()
{
    QFETCH(QString, path);
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("isa/Diagr/other.wmf"), WmfBytes().bytes());
    try {
        Metafile::load(path);
        QFAIL("loaded");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file ") + path);
    }
}

void MetafileTest::viewDrawsAtNaturalSizeOrStretched()
{
    const Metafile metafile = Metafile::fromBytes(
        WmfBytes().pen(5, 1, kBlackRef).brush(0, kRedRef).select(0).select(1).rectangle(0, 0, 100, 100).bytes(),
        QStringLiteral("a.wmf"));
    MetafileView view;
    view.resize(200, 150);
    view.setAutoFillBackground(true);
    QPalette palette = view.palette();
    palette.setColor(QPalette::Window, kWhite);
    view.setPalette(palette);
    view.setMetafile(metafile);
    QCOMPARE(view.metafile().size(), QSize(100, 100));
    QImage natural = view.grab().toImage();
    QCOMPARE(natural.pixelColor(50, 50), kRed);
    QCOMPARE(natural.pixelColor(150, 120), kWhite);
    view.setFit(MetafileView::Fit::Stretch);
    QImage stretched = view.grab().toImage();
    QCOMPARE(stretched.pixelColor(190, 140), kRed);
    view.clear();
    QVERIFY(view.metafile().isNull());
    QCOMPARE(view.grab().toImage().pixelColor(50, 50), kWhite);
}

QTEST_MAIN(MetafileTest)
#include "tst_metafile.moc"
