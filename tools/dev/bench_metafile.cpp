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
#include <vector>

namespace {

constexpr int kRepetitions = 200;

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    return 0;
}
