#include "platform/contenterror.h"
#include "platform/cp1251.h"
#include "platform/textfile.h"
#include "testutil.h"

#include <QTest>

class TextFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitsLines_data();
    void splitsLines();
    void decodesCp1251();
    void missingFileNamesRequestedPath();
};

void TextFileTest::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("empty") << QByteArray() << QStringList();
    QTest::addRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::addRow("lf only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::addRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::addRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::addRow("lone break") << QByteArray("\r\n") << QStringList{""};
}

void TextFileTest::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(bytes), lines);
}

void TextFileTest::decodesCp1251()
{
    QCOMPARE(Cp1251::decode(QByteArray("\xD8\xE8\xED\xE0 \xB8\xA8 \xB9")), QStringLiteral("Шина ёЁ №"));
    const QString text = QStringLiteral("Фаза «ARBITRATION» — шина");
    QCOMPARE(Cp1251::decode(*Cp1251::encode(text)), text);
    QVERIFY(!Cp1251::encode(QStringLiteral("≤")).has_value());
    QCOMPARE(Cp1251::decodeZeroTerminated("ab\0cd", 5), QStringLiteral("ab"));
    QCOMPARE(Cp1251::decodeZeroTerminated("abcd", 3), QStringLiteral("abc"));
}

void TextFileTest::missingFileNamesRequestedPath()
{
    TestUtil::WorkingFolder folder;
    try {
        TextFile::readLines(QStringLiteral("exam\\none.txt"));
        QFAIL("no error");
    } catch (const ContentError &error) {
        QCOMPARE(error.message(), QStringLiteral("Cannot open file exam\\none.txt"));
    }
}

QTEST_MAIN(TextFileTest)
#include "tst_textfile.moc"
