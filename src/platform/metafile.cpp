#include "platform/metafile.h"

#include "platform/contenterror.h"
#include "platform/contentpath.h"

#include <QFile>
#include <QPainter>

struct WmfPicture {
    QSize size;
};

Metafile::Metafile() = default;

Metafile Metafile::load(const QString &contentPath)
{
    QFile file(ContentPath::resolve(contentPath));
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError::missingFile(contentPath);
    return fromBytes(file.readAll(), contentPath);
}

Metafile Metafile::fromBytes(const QByteArray &bytes, const QString &fileNameForMessages)
{
    if (bytes.size() < 18)
        throw ContentError::badContent(fileNameForMessages, QStringLiteral("not a Windows metafile"));
    Metafile metafile;
    metafile.m_picture = QSharedPointer<const WmfPicture>(new WmfPicture{QSize(1, 1)});
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

void Metafile::draw(QPainter &, const QRectF &) const
{
}
