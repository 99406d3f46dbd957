#include "contentbuilder.h"
#include "platform/contenterror.h"
#include "platform/metafile.h"
#include "wavediagram.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtEndian>

namespace {

const QString kFile = QStringLiteral("isa/Diagr/X.wmf.wave");

QByteArray source(const QString &body)
{
    return (QStringLiteral("title  Цикл\nclock  BUSCLK  T1 T2 *Tw\n") + body).toUtf8();
}

QString contentFolder()
{
    return qEnvironmentVariable("SHINO_SOURCE_DIR") + QStringLiteral("/content/");
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The ink of a picture drawn at its own size on a larger white canvas.
QImage drawnWithMargin(const Metafile &metafile, int margin)
{
    QImage image(metafile.size() + QSize(margin, margin), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile.draw(painter, QRectF(QPointF(0, 0), QSizeF(metafile.size())));
    return image;
}

// The shipped diagrams, the picture box each is shown in, and the clock
// periods of the cycle drawn (T1 up to the last wait state).
struct Shipped {
    const char *path;
    QSize box;
    int cycleClocks; // 0: not a single resource-access cycle
};

const QSize kCycleBox(469, 365);
const QSize kAtBox(569, 345);
const QSize kAboutBox(465, 325);

const Shipped kShipped[] = {
    {"isa/Diagr/DP8RN.wmf.wave", kCycleBox, 6},   {"isa/Diagr/DP8WN.wmf.wave", kCycleBox, 6},
    {"isa/Diagr/DP16R0.wmf.wave", kCycleBox, 2},  {"isa/Diagr/DP16RN.wmf.wave", kCycleBox, 3},
    {"isa/Diagr/DP16RU.wmf.wave", kCycleBox, 5},  {"isa/Diagr/DP16W0.wmf.wave", kCycleBox, 2},
    {"isa/Diagr/DP16WN.wmf.wave", kCycleBox, 3},  {"isa/Diagr/DP16WU.wmf.wave", kCycleBox, 5},
    {"isa/Diagr/DIO8RN.wmf.wave", kCycleBox, 6},  {"isa/Diagr/DIO8RU.wmf.wave", kCycleBox, 8},
    {"isa/Diagr/DIO8WN.wmf.wave", kCycleBox, 6},  {"isa/Diagr/DIO8WU.wmf.wave", kCycleBox, 8},
    {"isa/Diagr/DIO16RN.wmf.wave", kCycleBox, 3}, {"isa/Diagr/DIO16RU.wmf.wave", kCycleBox, 5},
    {"isa/Diagr/DIO16WN.wmf.wave", kCycleBox, 3}, {"isa/Diagr/DIO16WU.wmf.wave", kCycleBox, 5},
    {"isa/Diagr/Regener.wmf.wave", kCycleBox, 3}, {"isa/Diagr/DMA.wmf.wave", kCycleBox, 0},
    {"isa/Diagr/bus_fuc.wmf.wave", kCycleBox, 0}, {"isa/Diagr/AT8P.wmf.wave", kAtBox, 0},
    {"isa/Diagr/AT8IO.wmf.wave", kAtBox, 0},      {"isa/Diagr/AT16P.wmf.wave", kAtBox, 0},
    {"isa/Diagr/AT16IO.wmf.wave", kAtBox, 0},     {"isa/signals/123.wmf.wave", kAboutBox, 0},
};

} // namespace

class WaveDiagramTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parsesRowsNodesAndArrows();
    void shortWavesContinueTheirLastLevel();
    void faultsNameTheLine_data();
    void faultsNameTheLine();
    void textThatDoesNotFitIsAnError_data();
    void textThatDoesNotFitIsAnError();
    void writesAPlaceableMetafileWithItsObjectsCounted();
    void buildsIntoTheContentFolderAsWmf();
    void theDocumentedExampleBuilds();
    void everyShippedDiagramRoundTrips_data();
    void everyShippedDiagramRoundTrips();
};

void WaveDiagramTest::parsesRowsNodesAndArrows()
{
    const Built<Wave::Diagram> parsed = Wave::parse(source(QStringLiteral("# comment\n"
                                                                          "BALE   010...\n"
                                                                          "node   .a....\n"
                                                                          "SD7-0  z=.=.z  \"адрес порта\" данные\n"
                                                                          "gap\n"
                                                                          "node   ....b.\n"
                                                                          "arrow a <-> b \"4 такта\"\n"
                                                                          "text b готово\n"
                                                                          "note Tw — такт ожидания\n")),
                                                    kFile);
    QVERIFY2(parsed.ok(), qPrintable(parsed.report.firstError()));
    const Wave::Diagram &diagram = parsed.value;
    QCOMPARE(diagram.title, QStringLiteral("Цикл"));
    QCOMPARE(diagram.states.size(), 3);
    QVERIFY(!diagram.states[1].wait);
    QVERIFY(diagram.states[2].wait);
    QCOMPARE(diagram.rows.size(), 4);
    QCOMPARE(diagram.rows[0].kind, Wave::Row::Kind::Clock);
    QCOMPARE(diagram.rows[2].labels, QStringList({QStringLiteral("адрес порта"), QStringLiteral("данные")}));
    QCOMPARE(diagram.rows[3].kind, Wave::Row::Kind::Gap);
    QCOMPARE(diagram.arrows.size(), 1);
    QVERIFY(diagram.arrows[0].twoHeaded);
    QCOMPARE(diagram.arrows[0].label, QStringLiteral("4 такта"));
    QCOMPARE(diagram.labels[0].text, QStringLiteral("готово"));
    QCOMPARE(diagram.notes, QStringList({QStringLiteral("Tw — такт ожидания")}));
    QCOMPARE(diagram.size, QSize(469, 365));
}

void WaveDiagramTest::shortWavesContinueTheirLastLevel()
{
    const Built<Wave::Diagram> parsed = Wave::parse(source(QStringLiteral("BALE 01\n")), kFile);
    QVERIFY(parsed.ok());
    QCOMPARE(parsed.value.rows[1].wave, QStringLiteral("01...."));
}

void WaveDiagramTest::faultsNameTheLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    const QString head = QStringLiteral("title T\nclock C T1 T2\n");
    QTest::addRow("no title") << QStringLiteral("clock C T1\nA 01\n") << kFile + QStringLiteral(": no title line");
    QTest::addRow("no clock") << QStringLiteral("title T\nA 01\n") << kFile + QStringLiteral(": no clock line");
    QTest::addRow("no rows") << head << kFile + QStringLiteral(": no signal rows");
    QTest::addRow("second clock") << head + QStringLiteral("clock D T1\nA 0\n")
                                  << kFile + QStringLiteral(":3: a second clock");
    QTest::addRow("wave too long") << head + QStringLiteral("A 01010\n")
                                   << kFile + QStringLiteral(":3: the wave of \"A\" has 5 half-periods, the clock 4");
    QTest::addRow("bad wave character") << head + QStringLiteral("A 01q\n")
                                        << kFile + QStringLiteral(":3: wave character 'q' at position 3 of \"A\"");
    QTest::addRow("wave starting with a dot")
        << head + QStringLiteral("A .1\n") << kFile + QStringLiteral(":3: the wave of \"A\" starts with '.'");
    QTest::addRow("labels and values differ") << head + QStringLiteral("D z==z один\n")
                                              << kFile + QStringLiteral(":3: \"D\" has 2 values ('=') and 1 labels");
    QTest::addRow("row without a wave") << head + QStringLiteral("BALE\n")
                                        << kFile + QStringLiteral(":3: \"BALE\": a row is written as");
    QTest::addRow("node before any row") << QStringLiteral("title T\nnode .a\nclock C T1\nA 01\n")
                                         << kFile + QStringLiteral(":2: \"node\" marks edges of the row above it");
    QTest::addRow("node marked twice") << head + QStringLiteral("A 01\nnode a\nB 10\nnode a\n")
                                       << kFile + QStringLiteral(":6: node 'a' is marked twice");
    QTest::addRow("arrow to an unknown node") << head + QStringLiteral("A 01\nnode a\narrow a -> b\n")
                                              << kFile + QStringLiteral(":5: node 'b' is not marked on any row");
    QTest::addRow("malformed arrow") << head + QStringLiteral("A 01\narrow a b\n")
                                     << kFile + QStringLiteral(":4: write: arrow a -> b");
    QTest::addRow("bad size") << head + QStringLiteral("size 20 20\nA 01\n")
                              << kFile + QStringLiteral(":3: write: size <width> <height>");
    QTest::addRow("unclosed quote") << head + QStringLiteral("D z=z \"адрес\n")
                                    << kFile + QStringLiteral(":3: a quoted text is not closed");
    QTest::addRow("character without a Windows-1251 form")
        << head + QStringLiteral("A 01\nnote время ≥ 2 тактов\n") << kFile + QStringLiteral(":4: ");
    QTest::addRow("too many clock periods")
        << QStringLiteral("title T\nclock C ") + QStringLiteral("T ").repeated(41) + QStringLiteral("\nA 0\n")
        << kFile + QStringLiteral(":2: 41 clock periods; at most 40");
}

void WaveDiagramTest::faultsNameTheLine()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const Built<QByteArray> built = Wave::buildWmf(text.toUtf8(), kFile);
    QVERIFY(!built.ok());
    QVERIFY2(built.report.firstError().startsWith(error), qPrintable(built.report.firstError()));
}

void WaveDiagramTest::textThatDoesNotFitIsAnError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addRow("long title")
        << QStringLiteral("title %1\nclock C T1\nA 01\n").arg(QStringLiteral("Цикл ").repeated(30))
        << QStringLiteral(":1: the title is");
    QTest::addRow("label wider than its value")
        << QStringLiteral("title T\nclock C T1 T2 T3 T4\nD z=z.....  \"очень длинная подпись значения\"\n")
        << QStringLiteral(":3: the label \"очень длинная подпись значения\" of \"D\"");
    QTest::addRow("too many rows") << QStringLiteral("title T\nclock C T1\n") + QStringLiteral("A 01\n").repeated(25)
                                   << QStringLiteral(": the rows do not fit");
    QTest::addRow("too many periods for the width") << QStringLiteral("title T\nsize 120 300\nclock C ") +
                                                           QStringLiteral("T ").repeated(40) + QStringLiteral("\nA 0\n")
                                                    << QStringLiteral(": 80 half-periods do not fit");
    QTest::addRow("state wider than its period")
        << QStringLiteral("title T\nclock C ") + QStringLiteral("Ожидание ").repeated(12) + QStringLiteral("\nA 0\n")
        << QStringLiteral(":2: the state \"Ожидание\" is wider than its clock period");
}

void WaveDiagramTest::textThatDoesNotFitIsAnError()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const Built<QByteArray> built = Wave::buildWmf(text.toUtf8(), kFile);
    QVERIFY(!built.ok());
    QVERIFY2(built.report.firstError().startsWith(kFile + error), qPrintable(built.report.firstError()));
}

void WaveDiagramTest::writesAPlaceableMetafileWithItsObjectsCounted()
{
    const Built<QByteArray> built = Wave::buildWmf(source(QStringLiteral("D z=x. адрес\n")), kFile);
    QVERIFY2(built.ok(), qPrintable(built.report.firstError()));
    const QByteArray &bytes = built.value;
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData()), 0x9AC6CDD7u);
    QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 14), quint16(96)); // units per inch
    QCOMPARE(qFromLittleEndian<qint16>(bytes.constData() + 10), qint16(469));
    QVERIFY(qFromLittleEndian<quint16>(bytes.constData() + 22 + 10) >= 10); // pens, brushes and fonts counted
    QCOMPARE(bytes.right(6), QByteArray("\x03\x00\x00\x00\x00\x00", 6));    // the end-of-file record
    QCOMPARE(Metafile::fromBytes(bytes, kFile).size(), QSize(469, 365));
}

void WaveDiagramTest::buildsIntoTheContentFolderAsWmf()
{
    QCOMPARE(ContentBuilder::kindOf(QStringLiteral("DP8RN.wmf.wave"), false), ContentBuilder::Kind::Diagram);
    QCOMPARE(ContentBuilder::outputName(QStringLiteral("DP8RN.wmf.wave"), ContentBuilder::Kind::Diagram),
             QStringLiteral("DP8RN.wmf"));
}

void WaveDiagramTest::theDocumentedExampleBuilds()
{
    const QString readme = QString::fromUtf8(readFile(contentFolder() + QStringLiteral("README.md")));
    const qsizetype section = readme.indexOf(QStringLiteral("## Timing diagrams"));
    QVERIFY(section >= 0);
    const qsizetype start = readme.indexOf(QStringLiteral("```\n"), section) + 4;
    const qsizetype end = readme.indexOf(QStringLiteral("```"), start);
    QVERIFY(start > 4 && end > start);
    const Built<QByteArray> built =
        Wave::buildWmf(readme.mid(start, end - start).toUtf8(), QStringLiteral("README.md"));
    QVERIFY2(built.ok(), qPrintable(built.report.firstError()));
}

void WaveDiagramTest::everyShippedDiagramRoundTrips_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("cycleClocks");
    for (const Shipped &shipped : kShipped)
        QTest::addRow("%s", shipped.path) << QString::fromLatin1(shipped.path) << shipped.box << shipped.cycleClocks;
}

void WaveDiagramTest::everyShippedDiagramRoundTrips()
{
    QFETCH(QString, path);
    QFETCH(QSize, box);
    QFETCH(int, cycleClocks);
    const QByteArray text = readFile(contentFolder() + path);
    QVERIFY2(!text.isEmpty(), qPrintable(path));
    const Built<Wave::Diagram> parsed = Wave::parse(text, path);
    QVERIFY2(parsed.ok(), qPrintable(parsed.report.firstError()));
    const Built<QByteArray> built = Wave::buildWmf(text, path);
    QVERIFY2(built.ok(), qPrintable(built.report.firstError()));
    QVERIFY2(built.report.warnings.isEmpty(), qPrintable(built.report.warnings.value(0).text()));

    const Metafile metafile = Metafile::fromBytes(built.value, path);
    QCOMPARE(metafile.size(), box);
    const QImage image = drawnWithMargin(metafile, 40);
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            (x < box.width() && y < box.height() ? inside : outside) += 1;
        }
    QVERIFY(inside > 5000);
    QCOMPARE(outside, 0);

    // The clock counts of a cycle are those the bus defines: from T1 up to the last wait state.
    if (cycleClocks > 0) {
        int clocks = 0;
        for (const Wave::State &state : parsed.value.states)
            clocks += state.name.isEmpty() ? 0 : 1;
        QCOMPARE(clocks, cycleClocks);
    }
}

QTEST_MAIN(WaveDiagramTest)
#include "tst_wavediagram.moc"
