#include "contentbuilder.h"
#include "lecturescript.h"
#include "lecturesound.h"
#include "platform/contentpath.h"
#include "platform/textfile.h"
#include "viewers/tflectionschedule.h"

#include "testutil.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The lecture's content build: the script, the narration's sound, the whole
// build with the real voice and encoder, and the lecture the package ships.
class LectureBuildTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scriptErrors_data();
    void scriptErrors();
    void scriptSections();
    void spokenForms();
    void soundRoundTrip();
    void soundCutsOverlongData();
    void soundRejectsOtherFormats();
    void joinedTimes();
    void slidePicture();
    void buildsAndRebuildsOnlyOnChange();
    void shippedLecture();
    void shippedWindowPictures_data();
    void shippedWindowPictures();

private:
    static QByteArray script(const QByteArray &sections);
};

QByteArray LectureBuildTest::script(const QByteArray &sections)
{
    return "speed: 180\ngap: 500\nsay: ISA = И-Эс-А\nsay: EISA = Э-И-Эс-А\n\n" + sections;
}

void LectureBuildTest::scriptErrors_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("error");
    QTest::addRow("no sections") << script("") << "x.lecture: the lecture has no sections (\"=== title\")";
    QTest::addRow("no glossary") << script("=== Шина\nТекст.\n")
                                 << "x.lecture:6: section \"Шина\" has no \"glossary:\" line";
    QTest::addRow("no narration") << script("=== Шина\nglossary: Шина.\n")
                                  << "x.lecture:6: section \"Шина\" has no narration";
    QTest::addRow("bad say") << QByteArray("say: ISA\n=== A\nglossary: g\nТекст.\n")
                             << "x.lecture:1: write \"say: WORD = how it is said\"";
    QTest::addRow("bad speed") << QByteArray("speed: fast\n=== A\nglossary: g\nТекст.\n")
                               << "x.lecture:1: speed is 80-400 words a minute";
    QTest::addRow("glossary not in 1251")
        << script("=== Шина\nglossary: a ≤ b\nТекст.\n")
        << "x.lecture:7: the character '≤' (U+2264) cannot be written in Windows-1251";
    QByteArray many;
    for (int i = 0; i < 31; ++i)
        many += "=== S\nglossary: g\nТекст.\n";
    QTest::addRow("31 sections") << script(many) << "x.lecture: 31 sections; the lecture shows at most 30 slides";
}

void LectureBuildTest::scriptErrors()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, error);
    const Built<LectureScript::Script> parsed = LectureScript::parse(source, "x.lecture");
    QVERIFY(!parsed.ok());
    if (error.contains("Windows-1251"))
        QVERIFY2(parsed.report.firstError().startsWith("x.lecture:7:"), qPrintable(parsed.report.firstError()));
    else
        QCOMPARE(parsed.report.firstError(), error);
}

void LectureBuildTest::scriptSections()
{
    const Built<LectureScript::Script> parsed = LectureScript::parse(
        script("=== Шина ISA\nglossary: ISA — шина.\n- пункт один\n- пункт два\ndraw rect 10 150 20 20\n"
               "Первая строка\n\nвторая строка.\n=== Итог\nglossary: Всё.\nКонец.\n"),
        "x.lecture");
    QVERIFY2(parsed.ok(), qPrintable(parsed.report.firstError()));
    const LectureScript::Script &s = parsed.value;
    QCOMPARE(s.speed, 180);
    QCOMPARE(s.gapMs, 500);
    QCOMPARE(s.sections.size(), 2);
    QCOMPARE(s.sections[0].title, QString("Шина ISA"));
    QCOMPARE(s.sections[0].glossary, QString("ISA — шина."));
    QCOMPARE(s.sections[0].points, (QStringList{"пункт один", "пункт два"}));
    QCOMPARE(s.sections[0].drawing, QStringList{"rect 10 150 20 20"});
    QCOMPARE(s.sections[0].drawingLines, QList<int>{10});
    QCOMPARE(s.sections[0].narration, QString("Первая строка вторая строка."));
}

void LectureBuildTest::spokenForms()
{
    const Built<LectureScript::Script> parsed =
        LectureScript::parse(script("=== A\nglossary: g\nШины ISA и EISA, а не ISAX.\n"), "x.lecture");
    QVERIFY(parsed.ok());
    SourceReport report;
    const QString text = LectureScript::spoken(parsed.value, parsed.value.sections[0], "x.lecture", report);
    QVERIFY(text.startsWith("Шины И-Эс-А и Э-И-Эс-А"));
    QCOMPARE(report.firstError(), QString("x.lecture:6: section \"A\": no \"say:\" line for ISAX"));
}

void LectureBuildTest::soundRoundTrip()
{
    LectureSound::Pcm pcm;
    pcm.sampleRate = 22050;
    pcm.channels = 1;
    pcm.samples = QByteArray(22050 * 2, '\x01');
    const std::optional<LectureSound::Pcm> back = LectureSound::parseWav(LectureSound::wav(pcm));
    QVERIFY(back);
    QCOMPARE(back->sampleRate, 22050);
    QCOMPARE(back->samples, pcm.samples);
    QCOMPARE(back->lengthMs(), 1000);
}

void LectureBuildTest::soundCutsOverlongData()
{
    LectureSound::Pcm pcm;
    pcm.sampleRate = 8000;
    pcm.channels = 1;
    pcm.samples = QByteArray(100, '\x02');
    QByteArray bytes = LectureSound::wav(pcm);
    bytes[40] = '\xff'; // a data size written before the recording's end was known
    bytes[41] = '\xff';
    bytes[42] = '\xff';
    bytes[43] = '\x7f';
    bytes.chop(1); // and an odd byte at the end
    const std::optional<LectureSound::Pcm> back = LectureSound::parseWav(bytes);
    QVERIFY(back);
    QCOMPARE(back->samples.size(), 98);
}

void LectureBuildTest::soundRejectsOtherFormats()
{
    LectureSound::Pcm pcm;
    pcm.sampleRate = 8000;
    pcm.channels = 1;
    pcm.samples = QByteArray(10, '\0');
    QByteArray bytes = LectureSound::wav(pcm);
    bytes[34] = 8; // 8 bits a sample
    QVERIFY(!LectureSound::parseWav(bytes));
    QVERIFY(!LectureSound::parseWav("RIFF"));
    QVERIFY(!LectureSound::parseWav(QByteArray(64, 'x')));
    QVERIFY(!LectureSound::parseWav(LectureSound::wav(pcm).left(30))); // cut inside the format chunk
}

void LectureBuildTest::joinedTimes()
{
    LectureSound::Pcm a;
    a.sampleRate = 1000;
    a.channels = 1;
    a.samples = QByteArray(2 * 1500, '\0');
    LectureSound::Pcm b = a;
    b.samples = QByteArray(2 * 250, '\0');
    const LectureSound::Joined joined = LectureSound::join({a, b, a}, 700);
    QCOMPARE(joined.startsMs, (QList<qint64>{0, 2200, 3150}));
    QCOMPARE(joined.lengthMs, 3150 + 2200);
}

void LectureBuildTest::slidePicture()
{
    const Built<LectureScript::Script> parsed = LectureScript::parse(
        script("=== Шина\nglossary: g\n- один\ndraw rect 10 150 20 20 fill=#00ff00\ndraw bogus 1\nТекст.\n"),
        "x.lecture");
    QVERIFY(parsed.ok());
    const Built<QImage> slide = LectureScript::renderSlide(parsed.value.sections[0], "x.lecture");
    QVERIFY(!slide.ok());
    QVERIFY2(slide.report.firstError().startsWith("x.lecture:10: slide \"Шина\": "),
             qPrintable(slide.report.firstError()));
    LectureScript::Section good = parsed.value.sections[0];
    good.drawing.removeLast();
    const Built<QImage> drawn = LectureScript::renderSlide(good, "x.lecture");
    QVERIFY2(drawn.ok(), qPrintable(drawn.report.firstError()));
    QCOMPARE(drawn.value.size(), QSize(240, 240));
    QCOMPARE(drawn.value.pixelColor(0, 239), QColor(255, 0, 255)); // the transparent corner
    QCOMPARE(drawn.value.pixelColor(20, 160), QColor(0, 255, 0));
    const QImage frame = LectureScript::renderFrame(drawn.value, 0, 3);
    QCOMPARE(frame.size(), QSize(320, 240));
    QCOMPARE(frame.pixelColor(0, 239), QColor(30, 30, 30));
}

void LectureBuildTest::buildsAndRebuildsOnlyOnChange()
{
    if (QStandardPaths::findExecutable("espeak-ng").isEmpty() || QStandardPaths::findExecutable("ffmpeg").isEmpty())
        QSKIP("espeak-ng or ffmpeg is not installed (tools/bootstrap.sh installs them)");
    QTemporaryDir dir;
    const QString content = dir.filePath("content");
    const QString package = dir.filePath("package");
    QDir().mkpath(content + "/lession");
    auto writeScript = [&](const QByteArray &bytes) {
        QFile file(content + "/lession/talk.lecture");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    writeScript(script("=== Шина ISA\nglossary: Шина ISA.\n- пункт\nШина И-Эс-А.\n"
                       "=== Итог\nglossary: Итог.\nВсё.\n"));
    ContentBuilder::Summary summary;
    SourceReport report = ContentBuilder::run(content, package, {}, &summary);
    QVERIFY2(report.ok(), qPrintable(report.firstError()));
    QCOMPARE(summary.built, 1);

    QDir::setCurrent(package);
    const QStringList list = TextFile::readLines("lession\\talk.txt");
    QCOMPARE(list.first(), QString("lession\\talk.mp4"));
    const LecturePairs slides = LecturePairs::read("lession\\pic.txt");
    const LecturePairs glossary = LecturePairs::read("lession\\glos.txt");
    QCOMPARE(slides.texts, (QStringList{"lession\\slide01.bmp", "lession\\slide02.bmp"}));
    QCOMPARE(glossary.texts, (QStringList{"Шина ISA.", "Итог."}));
    QCOMPARE(slides.times.first(), 0);
    QVERIFY(slides.times[1] > 500); // the spoken first section and its gap
    QCOMPARE(glossary.times, slides.times);
    QCOMPARE(QImage(ContentPath::resolve("lession\\slide01.bmp")).size(), QSize(240, 240));
    const QString video = ContentPath::resolve("lession\\talk.mp4");
    QVERIFY(QFileInfo(video).size() > 1000);
    const QDateTime made = QFileInfo(video).lastModified();

    // Unchanged: nothing is made. A newer tool: only the list is rewritten.
    report = ContentBuilder::run(content, package, {}, &summary);
    QCOMPARE(summary.upToDate, 1);
    ContentBuilder::Options newerTool;
    newerTool.toolTime = QDateTime::currentDateTime().addSecs(5);
    report = ContentBuilder::run(content, package, newerTool, &summary);
    QVERIFY2(report.ok(), qPrintable(report.firstError()));
    QCOMPARE(summary.built, 1);
    QCOMPARE(QFileInfo(video).lastModified(), made);

    // A changed script makes everything again.
    writeScript(script("=== Шина ISA\nglossary: Шина ISA, новая строка.\nШина И-Эс-А.\n"));
    report = ContentBuilder::run(content, package, newerTool, &summary);
    QVERIFY2(report.ok(), qPrintable(report.firstError()));
    QCOMPARE(LecturePairs::read("lession\\glos.txt").texts, QStringList{"Шина ISA, новая строка."});
    QVERIFY(QFileInfo(video).lastModified() != made);
    QDir::setCurrent(QDir::tempPath());
}

void LectureBuildTest::shippedLecture()
{
    const QString package = TestUtil::packageFolder();
    if (package.isEmpty())
        QSKIP("SHINO_PACKAGE_DIR is not set");
    QDir::setCurrent(package);
    const QStringList list = TextFile::readLines("lession\\test.txt");
    QVERIFY(!list.isEmpty());
    const QString video = ContentPath::resolve(list.first(), package);
    QVERIFY2(QFileInfo(video).isFile(), qPrintable(video));
    QVERIFY(video.endsWith(".mp4"));
    const LecturePairs slides = LecturePairs::parse(TextFile::readLines("lession\\pic.txt"));
    const LecturePairs glossary = LecturePairs::parse(TextFile::readLines("lession\\glos.txt"));
    QVERIFY(slides.count() >= 8);
    QCOMPARE(glossary.count(), slides.count());
    for (int i = 0; i < slides.count(); ++i) {
        const QString slide = ContentPath::resolve(slides.texts[i], package);
        QVERIFY2(QImage(slide).size() == QSize(240, 240), qPrintable(slides.texts[i]));
        QVERIFY2(!glossary.texts[i].trimmed().isEmpty(), qPrintable(QString::number(i + 1)));
        if (i > 0) {
            QVERIFY2(slides.times[i] > slides.times[i - 1], qPrintable(slides.texts[i]));
            QVERIFY(glossary.times[i] > glossary.times[i - 1]);
        }
    }
    QCOMPARE(slides.times.first(), 0);
    // A lecture of six to ten minutes: the last section begins well after five.
    QVERIFY2(slides.times.last() > 5 * 60 * 1000 && slides.times.last() < 10 * 60 * 1000,
             qPrintable(QString::number(slides.times.last())));
    const double megabytesPerMinute = QFileInfo(video).size() / 1e6 / (slides.times.last() / 60000.0);
    QVERIFY2(megabytesPerMinute > 0.2 && megabytesPerMinute < 1.0, qPrintable(QString::number(megabytesPerMinute)));
}

void LectureBuildTest::shippedWindowPictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addRow("background") << "img/LectionImage.bmp" << QSize(640, 450);
    QTest::addRow("empty") << "img/empty.bmp" << QSize(30, 24);
    for (const char *button : {"Play", "Pause", "Stop", "Exit"}) {
        for (const char *state : {"Active", "Pressed"}) {
            const QString file = QStringLiteral("img/LF%1%2.bmp").arg(button, state);
            QTest::addRow("%s", qPrintable(file)) << file << QSize(30, 24);
        }
    }
}

void LectureBuildTest::shippedWindowPictures()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString package = TestUtil::packageFolder();
    if (package.isEmpty())
        QSKIP("SHINO_PACKAGE_DIR is not set");
    const QImage picture(ContentPath::resolve(file, package));
    QCOMPARE(picture.size(), size);
    if (file.contains("LF")) { // transparent round the button, painted inside
        QCOMPARE(picture.pixelColor(0, size.height() - 1), QColor(255, 0, 255));
        QVERIFY(picture.pixelColor(15, 12) != QColor(255, 0, 255));
    }
}

QTEST_MAIN(LectureBuildTest)
#include "tst_lecturebuild.moc"
