// Measures how long the document viewer takes from its creation to its first
// page on screen, for a help document of about 1 MB built with chmcmd.

#include "platform/chmfile.h"
#include "platform/documentviewer.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kChapters = 25;
constexpr int kPagesPerChapter = 10;
constexpr int kPictures = 4;
constexpr int kRepetitions = 20;

const char *const kWords[] = {"шина",    "магистраль", "сигнал",     "адрес",    "данные",     "цикл",
                              "чтение",  "запись",     "прерывание", "канал",    "контроллер", "устройство",
                              "порт",    "память",     "такт",       "арбитраж", "передача",   "пакет",
                              "регистр", "ожидание",   "разряд",     "линия",    "строб",      "команда"};

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString words(QRandomGenerator &random, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::fromUtf8(kWords[random.bounded(int(std::size(kWords)))]));
    return out.join(QLatin1Char(' '));
}

QByteArray picture(QRandomGenerator &random, int index)
{
    QImage image(480, 320, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < 400; ++i) {
        painter.setPen(QColor::fromHsv(random.bounded(360), 160, 200));
        painter.drawLine(random.bounded(480), random.bounded(320), random.bounded(480), random.bounded(320));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 480, 320), Qt::AlignCenter, QStringLiteral("Рисунок %1").arg(index + 1));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray entry(const QString &name, const QString &local)
{
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name.toUtf8() +
           "\"><param name=\"Local\" value=\"" + local.toUtf8() + "\"></OBJECT>\n";
}

// Writes the project; returns the size of its sources in bytes.
qint64 writeProject(const QString &folder)
{
    QRandomGenerator random(1990);
    qint64 total = 0;
    QByteArray files;
    for (int p = 0; p < kPictures; ++p) {
        const QByteArray bytes = picture(random, p);
        const QString name = QStringLiteral("img/pic%1.png").arg(p);
        write(folder + QLatin1Char('/') + name, bytes);
        files += name.toUtf8() + "\r\n";
        total += bytes.size();
    }
    QByteArray toc = "<HTML><BODY><UL>\n";
    QByteArray index = "<HTML><BODY><UL>\n";
    for (int c = 0; c < kChapters; ++c) {
        toc += entry(QStringLiteral("Глава %1. %2").arg(c + 1).arg(words(random, 3)),
                     QStringLiteral("ch%1/p0.html").arg(c));
        toc += "<UL>\n";
        for (int p = 0; p < kPagesPerChapter; ++p) {
            const QString name = QStringLiteral("ch%1/p%2.html").arg(c).arg(p);
            QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Глава %1, раздел %2</title>"
                                          "<link rel=\"stylesheet\" href=\"../style.css\"></head><body>\n"
                                          "<h1>Глава %1, раздел %2</h1>\n")
                               .arg(c + 1)
                               .arg(p + 1);
            for (int para = 0; para < 6; ++para)
                html += QStringLiteral("<p>") + words(random, 28) + QStringLiteral("</p>\n");
            if (p == 0)
                html += QStringLiteral("<p><img src=\"../img/pic%1.png\"></p>\n").arg(c % kPictures);
            html += QStringLiteral("<p><a href=\"p%1.html\">Следующий раздел</a></p></body></html>\n")
                        .arg((p + 1) % kPagesPerChapter);
            const QByteArray bytes = html.toUtf8();
            write(folder + QLatin1Char('/') + name, bytes);
            files += name.toUtf8() + "\r\n";
            total += bytes.size();
            if (p > 0)
                toc += entry(QStringLiteral("Раздел %1.%2").arg(c + 1).arg(p + 1), name);
            index += entry(QStringLiteral("%1 %2").arg(words(random, 2)).arg(c * kPagesPerChapter + p), name);
            index += entry(QStringLiteral("%1 (%2)").arg(words(random, 1)).arg(c * kPagesPerChapter + p),
                           name + QStringLiteral("#top"));
        }
        toc += "</UL>\n";
    }
    toc += "</UL></BODY></HTML>\n";
    index += "</UL></BODY></HTML>\n";
    write(folder + QStringLiteral("/toc.hhc"), toc);
    write(folder + QStringLiteral("/index.hhk"), index);
    write(folder + QStringLiteral("/style.css"), "body { font-family: sans-serif; } h1 { color: #1f4e79; }\n");
    files += "style.css\r\n";
    total += toc.size() + index.size();
    write(folder + QStringLiteral("/bench.hhp"),
          "[OPTIONS]\r\nCompatibility=1.1 or later\r\nCompiled file=bench.chm\r\nContents file=toc.hhc\r\n"
          "Index file=index.hhk\r\nDefault topic=ch0/p0.html\r\nDisplay compile progress=No\r\n"
          "Language=0x419 Russian\r\nTitle=Пробный учебник\r\n\r\n[FILES]\r\n" +
              files);
    return total;
}

class PaintWatcher : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QString chmcmd = QStringLiteral("/usr/bin/chmcmd");
    if (!QFileInfo::exists(chmcmd))
        chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
    if (chmcmd.isEmpty()) {
        std::fprintf(stderr, "bench_chm: chmcmd is not installed\n");
        return 1;
    }
    QTemporaryDir dir;
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("BENCH_KEEP"));
    const qint64 sources = writeProject(dir.path());
    QProcess compiler;
    compiler.setWorkingDirectory(dir.path());
    compiler.setProcessChannelMode(QProcess::MergedChannels);
    compiler.start(chmcmd, {QStringLiteral("--no-html-scan"), QStringLiteral("bench.hhp")});
    compiler.waitForFinished(120000);
    const QString path = dir.path() + QStringLiteral("/bench.chm");
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "bench_chm: chmcmd failed:\n%s\n", compiler.readAll().constData());
        return 1;
    }
    std::printf("project: %d pages, %d pictures, %.2f MB of sources; document %.2f MB\n", kChapters * kPagesPerChapter,
                kPictures, double(sources) / 1e6, double(QFileInfo(path).size()) / 1e6);

    QList<double> openTimes;
    for (int i = 0; i < kRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        ChmFile chm;
        const QString error = chm.open(path);
        openTimes.append(double(timer.nsecsElapsed()) / 1e6);
        if (i == 0)
            std::printf("home page %s, %d entries, %d contents, %d keywords\n", qPrintable(chm.homePage()),
                        int(chm.entries().size()), Sitemap::count(chm.contents()), int(chm.index().size()));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "bench_chm: %s\n", qPrintable(error));
            return 1;
        }
    }

    QList<double> shownTimes;
    QList<double> constructTimes;
    for (int i = 0; i < kRepetitions; ++i) {
        PaintWatcher watcher;
        QElapsedTimer timer;
        timer.start();
        auto *viewer = new DocumentViewer(path);
        constructTimes.append(double(timer.nsecsElapsed()) / 1e6);
        auto *browser = viewer->findChild<QTextBrowser *>(QStringLiteral("PageBrowser"));
        browser->viewport()->installEventFilter(&watcher);
        viewer->show();
        while (!watcher.painted && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        shownTimes.append(double(timer.nsecsElapsed()) / 1e6);
        if (!watcher.painted || viewer->currentPage() != QLatin1String("/ch0/p0.html")) {
            std::fprintf(stderr, "bench_chm: the first page was not shown (painted %d, page %s, %s)\n",
                         int(watcher.painted), qPrintable(viewer->currentPage()), qPrintable(viewer->errorText()));
            return 1;
        }
        delete viewer;
        QCoreApplication::processEvents();
    }
    std::printf("container opened and lists read: median %.1f ms (min %.1f, max %.1f)\n", median(openTimes),
                *std::min_element(openTimes.cbegin(), openTimes.cend()),
                *std::max_element(openTimes.cbegin(), openTimes.cend()));
    std::printf("viewer constructed (page loaded, not yet shown): median %.1f ms\n", median(constructTimes));
    std::printf(
        "viewer created to first page shown: median %.1f ms (min %.1f, max %.1f), %d repetitions, goal < 50 ms\n",
        median(shownTimes), *std::min_element(shownTimes.cbegin(), shownTimes.cend()),
        *std::max_element(shownTimes.cbegin(), shownTimes.cend()), kRepetitions);
    return 0;
}
