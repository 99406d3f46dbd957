#include "scsi/binaryentry.h"
#include "testutil.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

class BinaryEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typing_data();
    void typing();
    void editingKeys();
    void paste_data();
    void paste();
    void contextMenuPaste();
    void setTextFiltered();
    void toByte();
};

void BinaryEntryTest::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addRow("digits") << QStringLiteral("0110") << QStringLiteral("0110");
    QTest::addRow("letters dropped") << QStringLiteral("1a0bZ1") << QStringLiteral("101");
    QTest::addRow("other digits dropped") << QStringLiteral("123450") << QStringLiteral("10");
    QTest::addRow("space and punctuation") << QStringLiteral("1 0.1,-") << QStringLiteral("101");
    QTest::addRow("Cyrillic") << QStringLiteral("1ж0") << QStringLiteral("10");
    QTest::addRow("at most eight") << QStringLiteral("1111000011") << QStringLiteral("11110000");
}

void BinaryEntryTest::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QLineEdit edit;
    BinaryEntry::attach(&edit, 8);
    QCOMPARE(edit.maxLength(), 8);
    edit.show();
    // Key events carrying the typed character, as a keyboard layout delivers them.
    for (QChar c : typed) {
        QKeyEvent press(QEvent::KeyPress, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, Qt::NoModifier,
                        QString(c));
        QApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &release);
    }
    QCOMPARE(edit.text(), result);
}

void BinaryEntryTest::editingKeys()
{
    QLineEdit edit;
    BinaryEntry::attach(&edit, 8);
    edit.show();
    edit.setText(QStringLiteral("00000000"));
    edit.setCursorPosition(8);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("0000000"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("000000"));
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_1);
    QCOMPARE(edit.text(), QStringLiteral("0100000"));
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_1);
    QCOMPARE(edit.text(), QStringLiteral("10100000"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_1); // full
    QCOMPARE(edit.text(), QStringLiteral("10100000"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString());
}

void BinaryEntryTest::paste_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("result");
    QTest::addRow("filtered") << QString() << 0 << QStringLiteral("1a0 b1") << QStringLiteral("101");
    QTest::addRow("cut to the room left")
        << QStringLiteral("00000") << 5 << QStringLiteral("x1x1x1x1") << QStringLiteral("00000111");
    QTest::addRow("inserted at the cursor")
        << QStringLiteral("0000") << 2 << QStringLiteral("11") << QStringLiteral("001100");
    QTest::addRow("nothing usable") << QStringLiteral("01") << 2 << QStringLiteral("abc") << QStringLiteral("01");
    QTest::addRow("full") << QStringLiteral("00000000") << 8 << QStringLiteral("1") << QStringLiteral("00000000");
}

void BinaryEntryTest::paste()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, clipboard);
    QFETCH(QString, result);
    QLineEdit edit;
    BinaryEntry::attach(&edit, 8);
    edit.show();
    edit.setText(before);
    edit.setCursorPosition(cursor);
    QApplication::clipboard()->setText(clipboard);
    if (QApplication::clipboard()->text() != clipboard)
        QSKIP("no clipboard on this platform");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), result);
    // A paste by program goes through the same filter.
    edit.setText(before);
    edit.setCursorPosition(cursor);
    edit.paste();
    QCOMPARE(BinaryEntry::filtered(edit.text()), edit.text());
    QVERIFY(edit.text().size() <= 8);
}

void BinaryEntryTest::contextMenuPaste()
{
    QLineEdit edit;
    BinaryEntry::attach(&edit, 8);
    edit.show();
    edit.setText(QStringLiteral("000000"));
    edit.setCursorPosition(6);
    QApplication::clipboard()->setText(QStringLiteral("q1w1e1"));
    if (QApplication::clipboard()->text() != QStringLiteral("q1w1e1"))
        QSKIP("no clipboard on this platform");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &event);
    auto *menu = edit.findChild<QMenu *>(QStringLiteral("BinaryEntryMenu"));
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(edit.text(), QStringLiteral("00000011"));
}

void BinaryEntryTest::setTextFiltered()
{
    QLineEdit edit(QStringLiteral("12ab"));
    BinaryEntry::attach(&edit, 8);
    QCOMPARE(edit.text(), QStringLiteral("1"));
    edit.setText(QStringLiteral("0000000011"));
    QCOMPARE(edit.text(), QStringLiteral("00000000"));
}

void BinaryEntryTest::toByte()
{
    QCOMPARE(int(BinaryEntry::toByte(QStringLiteral("00000011"))), 3);
    QCOMPARE(int(BinaryEntry::toByte(QStringLiteral("0000011"))), 0);
    QCOMPARE(int(BinaryEntry::toByte(QStringLiteral("01000001"))), 65);
    QCOMPARE(BinaryEntry::filtered(QStringLiteral("a1b0")), QStringLiteral("10"));
}

QTEST_MAIN(BinaryEntryTest)
#include "tst_binaryentry.moc"
