#include "scsi/phasechainlayout.h"
#include "scsi/phaseexercise.h"
#include "scsi/tfmdlg1.h"
#include "testutil.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

using Kind = ChainPrimitive::Kind;

QList<ChainPrimitive> ofKind(const QList<ChainPrimitive> &all, Kind kind)
{
    QList<ChainPrimitive> out;
    for (const ChainPrimitive &p : all) {
        if (p.kind == kind)
            out.append(p);
    }
    return out;
}

QList<PhaseStep> chain(int count, quint16 mask = 0)
{
    QList<PhaseStep> steps;
    for (int i = 0; i < count; ++i)
        steps.append({i % 10, mask});
    return steps;
}

QList<QLine> lines(const QList<ChainPrimitive> &all)
{
    QList<QLine> out;
    for (const ChainPrimitive &p : ofKind(all, ChainPrimitive::Line))
        out.append(QLine(p.p1, p.p2));
    return out;
}

// Whether an arc (start, span in 1/16 degree) passes the given angle in degrees.
bool passes(const ChainPrimitive &arc, double degrees)
{
    double from = arc.startAngle16 / 16.0;
    double offset = degrees - from;
    while (offset < 0)
        offset += 360;
    while (offset >= 360)
        offset -= 360;
    return offset <= arc.spanAngle16 / 16.0;
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

class PhaseChainLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstCircle();
    void arrowBetweenCircles();
    void signalLabels();
    void rowChangeAtEighthPhase();
    void connectorArcs();
    void thirdRow();
    void parametersScaleTheChain();
    void paintsPrimitives();
    void parametersDialog();
    void parametersDialogExitDoesNotCopy();
    void longestChainPaintsTheSameTwice();
};

void PhaseChainLayoutTest::firstCircle()
{
    const auto all = PhaseChainLayout::layout({{1, 0}}, ChainParameters{});
    QCOMPARE(ofKind(all, ChainPrimitive::Circle).size(), 1);
    QCOMPARE(ofKind(all, ChainPrimitive::Circle)[0].rect, QRect(50, 5, 40, 40));
    const auto texts = ofKind(all, ChainPrimitive::Text);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].text, QStringLiteral("AR"));
    QCOMPARE(texts[0].pos, QPoint(60, 18));
    QCOMPARE(texts[0].fontSize, 8);
    QCOMPARE(texts[0].role, ChainPrimitive::Abbreviation);
    QVERIFY(ofKind(all, ChainPrimitive::Line).isEmpty());
    QVERIFY(ofKind(all, ChainPrimitive::Arc).isEmpty());
}

void PhaseChainLayoutTest::arrowBetweenCircles()
{
    const auto all = PhaseChainLayout::layout(chain(3), ChainParameters{});
    const auto circles = ofKind(all, ChainPrimitive::Circle);
    QCOMPARE(circles.size(), 3);
    QCOMPARE(circles[1].rect, QRect(155, 5, 40, 40));
    QCOMPARE(circles[2].rect, QRect(260, 5, 40, 40));
    QCOMPARE(lines(all), QList<QLine>({QLine(90, 25, 155, 25), QLine(155, 25, 145, 15), QLine(155, 25, 145, 35),
                                       QLine(195, 25, 260, 25), QLine(260, 25, 250, 15), QLine(260, 25, 250, 35)}));
    QCOMPARE(ofKind(all, ChainPrimitive::Text)[2].pos, QPoint(270, 18));
    QCOMPARE(ofKind(all, ChainPrimitive::Text)[2].text, QStringLiteral("SE"));
}

void PhaseChainLayoutTest::signalLabels()
{
    // BSY, MSG, DB on the second circle.
    const auto all = PhaseChainLayout::layout({{0, 0}, {8, 1 | 32 | 256}}, ChainParameters{});
    QList<ChainPrimitive> labels;
    for (const ChainPrimitive &p : ofKind(all, ChainPrimitive::Text)) {
        if (p.role == ChainPrimitive::SignalLabel)
            labels.append(p);
    }
    QCOMPARE(labels.size(), 4);
    // The labels name the signals as the check boxes do, in a readable size.
    QCOMPARE(labels[0].text, QStringLiteral("BSY#"));
    QCOMPARE(labels[0].pos, QPoint(195, 1));
    QCOMPARE(labels[1].text, QStringLiteral("MSG#"));
    QCOMPARE(labels[1].pos, QPoint(195, 13));
    QCOMPARE(labels[2].text, QStringLiteral("DBx#"));
    QCOMPARE(labels[2].pos, QPoint(195, 25));
    QCOMPARE(labels[3].text, QStringLiteral("DBPx#"));
    QCOMPARE(labels[3].pos, QPoint(195, 37));
    QCOMPARE(labels[2].fontSize, 8);
    QVERIFY(PhaseChainLayout::pixelSize(labels[2].fontSize) >= 10);
    // A larger size spaces the lines further apart.
    ChainParameters large;
    large.labelFontSize = 14;
    QList<QPoint> positions;
    for (const ChainPrimitive &p :
         ofKind(PhaseChainLayout::layout({{0, 0}, {8, 1 | 32 | 256}}, large), ChainPrimitive::Text)) {
        if (p.role == ChainPrimitive::SignalLabel) {
            QCOMPARE(p.fontSize, 14);
            positions.append(p.pos);
        }
    }
    QCOMPARE(positions, (QList<QPoint>{{195, 1}, {195, 1 + 20}, {195, 1 + 40}, {195, 1 + 60}}));
}

void PhaseChainLayoutTest::rowChangeAtEighthPhase()
{
    const ChainParameters p;
    QVERIFY(ofKind(PhaseChainLayout::layout(chain(7), p), ChainPrimitive::Arc).isEmpty());
    PhaseChainLayout::Cursor cursor;
    const QList<PhaseStep> steps = chain(8);
    for (int i = 0; i < 7; ++i)
        PhaseChainLayout::layoutStep(i, steps[i], cursor, p);
    QCOMPARE(cursor.column, 7);
    const auto eighth = PhaseChainLayout::layoutStep(7, steps[7], cursor, p);
    QCOMPARE(cursor.column, 1);
    QCOMPARE(cursor.rowOffset, 105);
    QCOMPARE(cursor.drawn, 8);
    QCOMPARE(ofKind(eighth, ChainPrimitive::Circle)[0].rect, QRect(50, 110, 40, 40));
    QCOMPARE(ofKind(eighth, ChainPrimitive::Text)[0].pos, QPoint(60, 123));
    // Straight part of the connector and the arrowhead into the new row; no arrow from a previous column.
    QCOMPARE(lines(eighth), QList<QLine>({QLine(720, 105, 50, 105), QLine(50, 130, 40, 120), QLine(50, 130, 40, 140)}));
    QCOMPARE(ofKind(eighth, ChainPrimitive::Arc).size(), 2);
}

void PhaseChainLayoutTest::connectorArcs()
{
    const auto arcs = ofKind(PhaseChainLayout::layout(chain(8), ChainParameters{}), ChainPrimitive::Arc);
    QCOMPARE(arcs.size(), 2);
    const ChainPrimitive &right = arcs[0];
    QCOMPARE(right.rect, QRect(680, 25, 100, 80));
    QCOMPARE(right.p1, QPoint(720, 105));
    QCOMPARE(right.p2, QPoint(720, 25));
    // The ray through (720, 105) from the centre (730, 65): atan2(1, −0.2) below the centre.
    QCOMPARE(right.startAngle16, -1621);
    QCOMPARE(right.spanAngle16, 3242);
    QVERIFY(passes(right, 0));    // bends on the right
    QVERIFY(!passes(right, 180)); // not on the left
    const ChainPrimitive &left = arcs[1];
    QCOMPARE(left.rect, QRect(5, 105, 85, 25));
    QCOMPARE(left.p1, QPoint(50, 105));
    QCOMPARE(left.p2, QPoint(50, 130));
    QVERIFY(passes(left, 180));
    QVERIFY(!passes(left, 0));
    QVERIFY(left.spanAngle16 > 180 * 16 && left.spanAngle16 < 190 * 16);
}

void PhaseChainLayoutTest::thirdRow()
{
    const auto circles = ofKind(PhaseChainLayout::layout(chain(21), ChainParameters{}), ChainPrimitive::Circle);
    QCOMPARE(circles.size(), 21);
    QCOMPARE(circles[13].rect, QRect(680, 110, 40, 40));
    QCOMPARE(circles[14].rect, QRect(50, 215, 40, 40));
    QCOMPARE(circles[20].rect, QRect(680, 215, 40, 40));
    const auto arcs = ofKind(PhaseChainLayout::layout(chain(15), ChainParameters{}), ChainPrimitive::Arc);
    QCOMPARE(arcs.size(), 4);
    QCOMPARE(arcs[2].rect, QRect(680, 130, 100, 80));
    QCOMPARE(arcs[3].rect, QRect(5, 210, 85, 25));
}

void PhaseChainLayoutTest::parametersScaleTheChain()
{
    const ChainParameters p{100, 60, 4}; // G, D, A
    const auto all = PhaseChainLayout::layout(chain(8), p);
    const auto circles = ofKind(all, ChainPrimitive::Circle);
    QCOMPARE(circles[1].rect, QRect(210, 5, 60, 60));
    QCOMPARE(circles[7].rect, QRect(50, 165, 60, 60));
    const auto l = lines(all);
    QCOMPARE(l[0], QLine(110, 35, 210, 35));
    QCOMPARE(l[1], QLine(210, 35, 200, 31));
    QCOMPARE(l[2], QLine(210, 35, 200, 39));
    const auto texts = ofKind(all, ChainPrimitive::Text);
    QCOMPARE(texts[1].pos, QPoint(50 + 30 - 10 + 160, 5 + 30 - 7));
    for (const ChainPrimitive &t : texts)
        QCOMPARE(t.fontSize, 8);
}

void PhaseChainLayoutTest::paintsPrimitives()
{
    QImage image(780, 311, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PhaseChainLayout::paint(painter, PhaseChainLayout::layout(chain(8, 1), ChainParameters{}),
                                QColor(240, 240, 240));
    }
    if (!qEnvironmentVariableIsEmpty("SHINO_SCREENSHOTS"))
        image.save(qEnvironmentVariable("SHINO_SCREENSHOTS") + QStringLiteral("/chain8.png"));
    QCOMPARE(QColor(image.pixel(70, 35)), QColor(0, 128, 0));  // inside the first circle
    QCOMPARE(QColor(image.pixel(56, 130)), QColor(0, 128, 0)); // the eighth circle in row 2
    QVERIFY(dark(image, 120, 25));                             // the arrow between circles 1 and 2
    QVERIFY(dark(image, 400, 105));                            // the straight part of the connector
    QVERIFY(dark(image, 5, 117));                              // left bend
    QVERIFY(!dark(image, 89, 117));                            // the left bend is open on its right
    QVERIFY(dark(image, 730, 25));                             // top of the right bend
    QVERIFY(!dark(image, 681, 65));                            // the right bend is open on its left
}

void PhaseChainLayoutTest::parametersDialog()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    TFMDlg1 dialog(exercise);
    QCOMPARE(dialog.objectName(), QStringLiteral("FMDlg1"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Параметры"));
    auto *circle = TestUtil::child<QSpinBox>(&dialog, QStringLiteral("E_circle"));
    auto *font = TestUtil::child<QSpinBox>(&dialog, QStringLiteral("E_font"));
    auto *string = TestUtil::child<QSpinBox>(&dialog, QStringLiteral("E_string"));
    auto *dist = TestUtil::child<QSpinBox>(&dialog, QStringLiteral("E_dist"));
    QCOMPARE(circle->minimum(), 10);
    QCOMPARE(circle->maximum(), 100);
    QCOMPARE(circle->singleStep(), 5);
    QCOMPARE(font->minimum(), 5);
    QCOMPARE(font->maximum(), 20);
    QCOMPARE(string->minimum(), 0);
    QCOMPARE(string->maximum(), 30);
    QCOMPARE(dist->minimum(), 10);
    QCOMPARE(dist->maximum(), 200);
    QCOMPARE(circle->value(), 40);
    QCOMPARE(font->value(), 8);
    QCOMPARE(string->value(), 10);
    QCOMPARE(dist->value(), 65);
    QCOMPARE(TestUtil::child<QWidget>(&dialog, QStringLiteral("Preview1"))->size(), QSize(200, 200));

    circle->stepUp();
    QCOMPARE(circle->value(), 45);
    circle->setValue(60);
    font->setValue(14);
    string->setValue(4);
    dist->setValue(100);
    QCOMPARE(dialog.workingParameters(), (ChainParameters{100, 60, 4, 14}));
    QCOMPARE(dialog.previewFontSize(), 14);
    QCOMPARE(exercise.parameters(), ChainParameters{}); // nothing applied yet

    int applied = 0;
    connect(&dialog, &TFMDlg1::applied, this, [&] { ++applied; });
    auto *apply = TestUtil::child<QPushButton>(&dialog, QStringLiteral("Button1"));
    QCOMPARE(apply->text(), QStringLiteral("Применить"));
    apply->click();
    QCOMPARE(applied, 1);
    QCOMPARE(exercise.parameters(), (ChainParameters{100, 60, 4, 14}));
    // The chain follows, its signal labels in the chosen size.
    exercise.addStep({0, 1});
    exercise.addStep({1, 1});
    const auto all = PhaseChainLayout::layout(exercise.steps(), exercise.parameters());
    QCOMPARE(ofKind(all, ChainPrimitive::Circle)[1].rect, QRect(210, 5, 60, 60));
    for (const ChainPrimitive &t : ofKind(all, ChainPrimitive::Text))
        QCOMPARE(t.fontSize, t.role == ChainPrimitive::Abbreviation ? 8 : 14);

    // Shown again: the working values come from the exercise.
    dialog.show();
    QCOMPARE(font->value(), 14);
    QCOMPARE(circle->value(), 60);
    QCOMPARE(dist->value(), 100);
    TestUtil::saveScreenshot(&dialog, QStringLiteral("FMDlg1"));
    dialog.hide();
}

void PhaseChainLayoutTest::parametersDialogExitDoesNotCopy()
{
    StudentRecord record;
    PhaseExercise exercise(record);
    TFMDlg1 dialog(exercise);
    dialog.show();
    TestUtil::child<QSpinBox>(&dialog, QStringLiteral("E_circle"))->setValue(90);
    auto *exit = TestUtil::child<QPushButton>(&dialog, QStringLiteral("Button_exit1"));
    QCOMPARE(exit->text(), QStringLiteral("ВЫХОД"));
    exit->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(exercise.parameters(), ChainParameters{});
}

// The longest chain (timed by tools/dev/bench_phasechain): painting it again
// gives the same picture, so the painter keeps no state between draws.
void PhaseChainLayoutTest::longestChainPaintsTheSameTwice()
{
    const QList<PhaseStep> steps = chain(21, 511);
    const ChainParameters p;
    const QList<ChainPrimitive> primitives = PhaseChainLayout::layout(steps, p);
    QCOMPARE(ofKind(primitives, ChainPrimitive::Circle).size(), 21);
    const auto paint = [&] {
        QImage image(780, 311, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        PhaseChainLayout::paint(painter, primitives, QColor(240, 240, 240));
        return image;
    };
    const QImage first = paint();
    QCOMPARE(paint(), first);
    QImage blank(first.size(), first.format());
    blank.fill(Qt::white);
    QVERIFY(first != blank);
}

QTEST_MAIN(PhaseChainLayoutTest)
#include "tst_phasechainlayout.moc"
