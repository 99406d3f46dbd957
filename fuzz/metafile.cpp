// The Windows-metafile player: any bytes either load into a picture that draws
// within its bounds or are refused with a message naming the file.
#include "fuzzsupport.h"

#include "platform/contenterror.h"
#include "platform/metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);
    const QString file = QStringLiteral("isa\\Diagr\\fuzz.wmf");
    try {
        const Metafile picture = Metafile::fromBytes(Fuzz::bytes(data, size), file);
        const QSize natural = picture.size();
        Fuzz::require(picture.isNull() || (natural.width() >= 0 && natural.height() >= 0), "a picture has a size");
        QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture.draw(painter, QRectF(0, 0, 160, 120));
    } catch (const ContentError &error) {
        Fuzz::requireNames(error, file);
    }
    return 0;
}
