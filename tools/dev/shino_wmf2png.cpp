// Draws Windows metafiles with the package's own player into PNG files, to
// look at diagrams as the trainer shows them.
//
//   shino_wmf2png <picture.wmf> <out.png> [width height]
//
// Without a size the picture is drawn at its own size; with one it is
// stretched to that size, as the about box does.

#include "platform/contenterror.h"
#include "platform/metafile.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 && args.size() != 5) {
        std::fputs("usage: shino_wmf2png <picture.wmf> <out.png> [width height]\n", stderr);
        return 2;
    }
    try {
        QFile file(args[1]);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
            return 1;
        }
        const Metafile metafile = Metafile::fromBytes(file.readAll(), args[1]);
        const QSize size = args.size() == 5 ? QSize(args[3].toInt(), args[4].toInt()) : metafile.size();
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        metafile.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
        if (!image.save(args[2])) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
            return 1;
        }
    } catch (const ContentError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
