#include "platform/contentpath.h"
#include "testutil.h"

#include <QDir>
#include <QTest>

class ContentPathTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resolvesWithoutRegardToCase_data();
    void resolvesWithoutRegardToCase();
    void missingComponentsKeptAsWritten();
    void joinsWithoutDoublingSeparators_data();
    void joinsWithoutDoublingSeparators();
    void adoptsProgramFolderOnlyWhenWorkingFolderHoldsNoContent();
};

void ContentPathTest::resolvesWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("onDisk");
    QTest::addRow("same case") << "isa\\Diagr\\DP8RN.wmf"
                               << "isa/Diagr/DP8RN.wmf";
    QTest::addRow("folder case differs") << "ISA\\diagr\\DP8RN.wmf"
                                         << "isa/Diagr/DP8RN.wmf";
    QTest::addRow("file case differs") << "isa\\Diagr\\dp8rn.WMF"
                                       << "isa/Diagr/DP8RN.wmf";
    QTest::addRow("forward slashes") << "img/LFPlayActive.bmp"
                                     << "img/LFPlayActive.bmp";
    QTest::addRow("leading separator") << "\\exam\\exam.txt"
                                       << "exam/exam.txt";
    QTest::addRow("doubled separator") << "scsi\\\\quest\\scsi.txt"
                                       << "scsi/quest/scsi.txt";
}

void ContentPathTest::resolvesWithoutRegardToCase()
{
    QFETCH(QString, written);
    QFETCH(QString, onDisk);
    TestUtil::WorkingFolder folder;
    folder.write(onDisk, "x");
    QCOMPARE(ContentPath::resolve(written), QDir::cleanPath(folder.path() + QLatin1Char('/') + onDisk));
    QVERIFY(ContentPath::exists(written));
}

void ContentPathTest::missingComponentsKeptAsWritten()
{
    TestUtil::WorkingFolder folder;
    folder.write(QStringLiteral("Scsi/quest/x.dat"), "x");
    QCOMPARE(ContentPath::resolve(QStringLiteral("scsi\\Help\\vved.hlp")),
             folder.path() + QStringLiteral("/Scsi/Help/vved.hlp"));
    QVERIFY(!ContentPath::exists(QStringLiteral("scsi\\Help\\vved.hlp")));
    QVERIFY(!ContentPath::exists(QStringLiteral("nothing\\at\\all.txt")));
}

void ContentPathTest::joinsWithoutDoublingSeparators_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");
    QTest::addRow("root folder") << "/"
                                 << "book\\annot.chm"
                                 << "/book/annot.chm";
    QTest::addRow("deep folder") << "/opt/shino/"
                                 << "book\\annot.chm"
                                 << "/opt/shino/book/annot.chm";
    QTest::addRow("no final separator") << "/opt/shino"
                                        << "1.chm"
                                        << "/opt/shino/1.chm";
    QTest::addRow("name with leading separator") << "/opt/shino/"
                                                 << "\\Menu\\Timermenu.exe"
                                                 << "/opt/shino/Menu/Timermenu.exe";
}

void ContentPathTest::joinsWithoutDoublingSeparators()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(ContentPath::join(folder, name), joined);
}

void ContentPathTest::adoptsProgramFolderOnlyWhenWorkingFolderHoldsNoContent()
{
    TestUtil::WorkingFolder folder;
    QVERIFY(!ContentPath::holdsContent(folder.path()));
    folder.write(QStringLiteral("Exam/exam.txt"), "1");
    QVERIFY(ContentPath::holdsContent(folder.path()));
    QCOMPARE(ContentPath::adoptPackageFolder(), QDir::currentPath());
    QCOMPARE(QDir::currentPath(), folder.path());
}

QTEST_MAIN(ContentPathTest)
#include "tst_contentpath.moc"
