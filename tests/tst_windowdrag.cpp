#include "platform/windowdrag.h"

#include <QTest>

// Moving a borderless window by its picture.
class WindowDragTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void notDraggingAtFirst();
    void moves_data();
    void moves();
    void endStopsMoving();
};

void WindowDragTest::notDraggingAtFirst()
{
    WindowDrag drag;
    QVERIFY(!drag.isDragging());
    QVERIFY(!drag.moved(QPoint(100, 100), QPoint(5, 5)).has_value());
}

void WindowDragTest::moves_data()
{
    QTest::addColumn<QPoint>("window");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QPoint>("expected");
    QTest::addRow("right and up") << QPoint(100, 80) << QPoint(50, 40) << QPoint(60, 35) << QPoint(110, 75);
    QTest::addRow("left and down") << QPoint(200, 150) << QPoint(100, 20) << QPoint(90, 30) << QPoint(190, 160);
    QTest::addRow("no move") << QPoint(7, 9) << QPoint(3, 4) << QPoint(3, 4) << QPoint(7, 9);
    QTest::addRow("past the screen edge") << QPoint(5, 5) << QPoint(30, 30) << QPoint(-10, 0) << QPoint(-35, -25);
}

void WindowDragTest::moves()
{
    QFETCH(QPoint, window);
    QFETCH(QPoint, start);
    QFETCH(QPoint, at);
    QFETCH(QPoint, expected);
    WindowDrag drag;
    drag.begin(start);
    QVERIFY(drag.isDragging());
    QCOMPARE(drag.start(), start);
    QCOMPARE(drag.moved(window, at), std::optional<QPoint>(expected));
}

void WindowDragTest::endStopsMoving()
{
    WindowDrag drag;
    drag.begin(QPoint(10, 10));
    drag.end();
    QVERIFY(!drag.isDragging());
    QVERIFY(!drag.moved(QPoint(0, 0), QPoint(20, 20)).has_value());
}

QTEST_MAIN(WindowDragTest)
#include "tst_windowdrag.moc"
