#include "platform/contentpath.h"
#include "platform/programlauncher.h"
#include "testutil.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

void writeScript(const QString &path, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ProgramLauncherTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void buildsCommandLine_data();
    void buildsCommandLine();
    void findsProgram_data();
    void findsProgram();
    void namesTimerProgram();
    void waitsForTheProgram();
    void reportsProgramThatCannotStart_data();
    void reportsProgramThatCannotStart();

private:
    QTemporaryDir m_dir;
};

void ProgramLauncherTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    writeScript(m_dir.path() + QStringLiteral("/Menu/Timermenu"), "exit 0\n");
    writeScript(m_dir.path() + QStringLiteral("/tool.exe"), "exit 0\n");
}

void ProgramLauncherTest::buildsCommandLine_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("line");
    QTest::addRow("no parameters") << "/opt/shino/Menu/Timermenu.exe"
                                   << ""
                                   << "\"/opt/shino/Menu/Timermenu.exe\" ";
    QTest::addRow("parameters") << "/opt/a b/prog"
                                << "-x 1"
                                << "\"/opt/a b/prog\" -x 1";
    const QString deep = QStringLiteral("/") + QString(291, QLatin1Char('d')) + QStringLiteral("/run.exe");
    QCOMPARE(deep.size(), 300);
    QTest::addRow("path of 300 characters") << deep << "" << (QLatin1Char('"') + deep + QStringLiteral("\" "));
    QTest::addRow("long parameters") << "/p" << QString(400, QLatin1Char('a'))
                                     << (QStringLiteral("\"/p\" ") + QString(400, QLatin1Char('a')));
}

void ProgramLauncherTest::buildsCommandLine()
{
    QFETCH(QString, path);
    QFETCH(QString, parameters);
    QFETCH(QString, line);
    const QString built = ProgramLauncher::commandLine(path, parameters);
    QCOMPARE(built, line);
    QCOMPARE(built.size(), path.size() + 3 + parameters.size());
}

void ProgramLauncherTest::findsProgram_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("found");
    const QString base = m_dir.path();
    QTest::addRow("the path itself") << base + "/tool.exe" << base + "/tool.exe";
    QTest::addRow("without .exe") << base + "/Menu/Timermenu.exe" << base + "/Menu/Timermenu";
    QTest::addRow("other letter case") << base + "/menu/TIMERMENU.EXE" << base + "/Menu/Timermenu";
    QTest::addRow("backslashes") << base + "\\Menu\\Timermenu.exe" << base + "/Menu/Timermenu";
    QTest::addRow("missing program") << base + "/Menu/Other.exe" << base + "/Menu/Other.exe";
}

void ProgramLauncherTest::findsProgram()
{
    QFETCH(QString, path);
    QFETCH(QString, found);
    QCOMPARE(ProgramLauncher::findProgram(path), found);
}

void ProgramLauncherTest::namesTimerProgram()
{
    const QString path = ProgramLauncher::timerProgramPath();
    QCOMPARE(path, ContentPath::programFolder() + QStringLiteral("Menu/Timermenu.exe"));
    QVERIFY(!path.contains(QStringLiteral("//")));
}

void ProgramLauncherTest::waitsForTheProgram()
{
    const QString folder = m_dir.path() + QStringLiteral("/lab");
    // The program notes its folder and its argument, then runs a moment.
    writeScript(folder + QStringLiteral("/Timermenu"), "pwd > started.txt\necho \"$1\" >> started.txt\nsleep 0.3\n");
    QWidget window;
    window.setObjectName(QStringLiteral("FPracticum"));
    window.resize(300, 200);
    window.move(123, 77);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint position = window.pos();

    bool hiddenMeanwhile = false;
    bool checked = false;
    QTimer::singleShot(150, &window, [&] {
        hiddenMeanwhile = !window.isVisible();
        checked = true;
    });
    TestUtil::ModalAnswerer answerer;
    QVERIFY(ProgramLauncher::runAndWait(&window, folder + QStringLiteral("/Timermenu.exe"), {QStringLiteral("-t")}));
    QVERIFY(checked);
    QVERIFY(hiddenMeanwhile);
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), position);
    QCOMPARE(answerer.count(), 0);
    const QByteArray notes = readFile(folder + QStringLiteral("/started.txt"));
    QCOMPARE(notes, (QFileInfo(folder).canonicalFilePath() + QStringLiteral("\n-t\n")).toUtf8());
}

void ProgramLauncherTest::reportsProgramThatCannotStart_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addRow("missing program") << "missing";
    QTest::addRow("not executable") << "plain";
}

void ProgramLauncherTest::reportsProgramThatCannotStart()
{
    QFETCH(QString, kind);
    QString path = m_dir.path() + QStringLiteral("/Menu/Absent.exe");
    if (kind == QLatin1String("plain")) {
        path = m_dir.path() + QStringLiteral("/plain/Timermenu.exe");
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a program");
    }
    QWidget window;
    window.move(40, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint position = window.pos();
    TestUtil::ModalAnswerer answerer;
    QVERIFY(!ProgramLauncher::runAndWait(&window, path));
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(answerer.texts().first(), QStringLiteral("Не удалось запустить программу %1").arg(path));
    QCOMPARE(answerer.icons().first(), QMessageBox::Critical);
    QVERIFY(window.isVisible());
    QCOMPARE(window.pos(), position);
}

QTEST_MAIN(ProgramLauncherTest)
#include "tst_programlauncher.moc"
