#include "bmppicture.h"

#include "picturerenderer.h"

#include <QBuffer>

namespace BmpPicture {

Built<QByteArray> build(const QByteArray &source, const QString &fileName, const PictureScript::Loader &loader)
{
    Built<QByteArray> result;
    const Built<PictureScript::Script> script = PictureScript::parse(source, fileName, loader);
    result.report = script.report;
    if (!script.ok())
        return result;
    const Built<QImage> image = PictureRenderer::render(script.value);
    result.report.append(image.report);
    QBuffer buffer(&result.value);
    buffer.open(QIODevice::WriteOnly);
    if (!image.value.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        result.report.error(fileName, 0, QStringLiteral("the picture could not be stored as a bitmap"));
    return result;
}

} // namespace BmpPicture
