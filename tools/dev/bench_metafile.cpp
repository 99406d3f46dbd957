// Measures how long the metafile player takes to draw the ISA diagrams: every
// picture of isa\Diagr is loaded, and the largest (by file size) is drawn at
// its own size onto an image as the cycle window's picture box draws it.
// Run from the package folder.

#include "platform/contentpath.h"
#include "platform/metafile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <vector>

namespace {

constexpr int kRepetitions = 200;

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The costliest file the player accepts: as many records as it takes, each a
// huge ellipse outlined with the widest pen.
QByteArray hostileMetafile()
{
    QByteArray bytes;
    const auto put16 = [&](int value) {
        bytes.append(char(value & 0xFF));
        bytes.append(char((value >> 8) & 0xFF));
    };
    const auto record = [&](int function, std::initializer_list<int> words) {
        put16(int(3 + words.size()));
        put16(0);
        put16(function);
        for (int word : words)
            put16(word);
    };
    for (int word : {0xCDD7, 0x9AC6, 0, 0, 0, 469, 365, 96, 0, 0})
        put16(word);
    int checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= quint8(bytes[2 * i]) | (quint8(bytes[2 * i + 1]) << 8);
    put16(checksum);
    for (int word : {1, 9, 0x0300, 0, 0, 1, 0, 0, 0})
        put16(word);
    record(0x02FA, {0, 255, 0, 0, 0});
    record(0x012D, {0});
    for (int i = 0; i < 4997; ++i)
        record(0x0418, {32000, 32000, -32000, -32000});
    record(0, {});
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ContentPath::adoptPackageFolder();
    const QFileInfoList files = QDir(ContentPath::resolve(QStringLiteral("isa\\Diagr")))
                                    .entryInfoList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Size);
    if (files.isEmpty()) {
        std::fputs("no isa\\Diagr\\*.wmf here; run from the package folder\n", stderr);
        return 1;
    }
    const QString largest = QStringLiteral("isa\\Diagr\\") + files.first().fileName();

    std::vector<double> loads;
    for (int i = 0; i < kRepetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Metafile metafile = Metafile::load(largest);
        loads.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const Metafile metafile = Metafile::load(largest);
    QImage image(metafile.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> draws;
    for (int i = 0; i <= kRepetitions; ++i) {
        image.fill(Qt::white);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        metafile.draw(painter, QRectF(QPointF(0, 0), QSizeF(metafile.size())));
        painter.end();
        if (i > 0) // the first drawing pays for the glyph cache
            draws.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("largest diagram            %s (%lld bytes, %dx%d)\n", qPrintable(largest),
                static_cast<long long>(files.first().size()), metafile.size().width(), metafile.size().height());
    std::printf("load (read and decode)     %.3f ms\n", median(loads));
    std::printf("draw at its own size       %.3f ms\n", median(draws));

    QElapsedTimer timer;
    timer.start();
    const Metafile hostile = Metafile::fromBytes(hostileMetafile(), QStringLiteral("hostile.wmf"));
    QPainter painter(&image);
    hostile.draw(painter, QRectF(QPointF(0, 0), QSizeF(hostile.size())));
    painter.end();
    std::printf("hostile file (5000 huge ellipses, widest pen) %.0f ms\n", double(timer.nsecsElapsed()) / 1e6);
    return 0;
}
