#include "platform/metafile.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"
#include "platform/contentpath.h"
#include "platform/wmfdecoder.h"
#include "platform/wmfplayer.h"
#include "platform/wmfrecords.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A picture larger than this is no picture of the course, whatever its header says.
constexpr int kMaxSidePixels = 8192;

QString frameError(const Wmf::File &file, WmfPicture *picture)
{
    if (file.header.placeable) {
        const Wmf::Placeable &placeable = *file.header.placeable;
        picture->frame = placeable.bounds;
        picture->size = QSize(qRound(placeable.bounds.width() * 96.0 / placeable.unitsPerInch),
                              qRound(placeable.bounds.height() * 96.0 / placeable.unitsPerInch));
    } else {
        // Without a placeable header the window the picture sets is its frame, one unit a pixel.
        QPoint origin, extent;
        for (const Wmf::Command &command : std::as_const(picture->commands)) {
            if (command.op == Wmf::Op::SetWindowOrg && extent.isNull())
                origin = command.point;
            if (command.op == Wmf::Op::SetWindowExt && extent.isNull())
                extent = command.point;
        }
        if (extent.isNull())
            return QStringLiteral("у рисунка нет размера (ни заголовка с рамкой, ни размеров окна)");
        picture->frame = QRect(origin, QSize(extent.x(), extent.y()));
        picture->size = QSize(qAbs(extent.x()), qAbs(extent.y()));
    }
    if (picture->size.width() < 1 || picture->size.height() < 1)
        return QStringLiteral("рисунок меньше точки");
    if (picture->size.width() > kMaxSidePixels || picture->size.height() > kMaxSidePixels)
        return QStringLiteral("рисунок больше %1 точек по стороне").arg(kMaxSidePixels);
    return {};
}

} // namespace

Metafile::Metafile() = default;

Metafile Metafile::load(const QString &contentPath)
{
    const QString path = ContentPath::resolve(contentPath);
    if (QFileInfo(path).isDir())
        throw ContentError::missingFile(contentPath);
    QFile file;
    ContentFile::open(file, path, contentPath, ContentFile::kMaxPicture);
    if (file.size() > Wmf::kMaxFileBytes)
        throw ContentError::badContent(contentPath, QStringLiteral("файл слишком велик для рисунка"));
    return fromBytes(file.readAll(), contentPath);
}

Metafile Metafile::fromBytes(const QByteArray &bytes, const QString &fileNameForMessages)
{
    const Wmf::ParseResult parsed = Wmf::parse(bytes);
    if (!parsed.error.isEmpty())
        throw ContentError::badContent(fileNameForMessages, parsed.error);
    auto picture = QSharedPointer<WmfPicture>::create();
    QString error = Wmf::decode(bytes, parsed.file, picture.get());
    if (error.isEmpty())
        error = frameError(parsed.file, picture.get());
    if (!error.isEmpty())
        throw ContentError::badContent(fileNameForMessages, error);
    Metafile metafile;
    metafile.m_picture = picture;
    return metafile;
}

bool Metafile::isNull() const
{
    return m_picture.isNull();
}

QSize Metafile::size() const
{
    return m_picture ? m_picture->size : QSize();
}

void Metafile::draw(QPainter &painter, const QRectF &target) const
{
    if (m_picture)
        Wmf::play(*m_picture, painter, target);
}
