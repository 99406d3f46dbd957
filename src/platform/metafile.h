#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSharedPointer>
#include <QSize>
#include <QString>

class QPainter;
struct WmfPicture;

// A parsed Windows metafile (.wmf), placeable or not, ready to draw. Parsing
// checks every record against the file's bounds, so a damaged file is an
// error and never a read outside the data. Copies share the parsed records.
class Metafile {
public:
    Metafile(); // null

    // Resolves contentPath (backslashes, any case) via ContentPath, reads and
    // validates the file; throws ContentError naming the file when it is
    // missing or damaged.
    static Metafile load(const QString &contentPath);
    // Throws ContentError naming fileNameForMessages when the bytes are not a usable metafile.
    static Metafile fromBytes(const QByteArray &bytes, const QString &fileNameForMessages);

    bool isNull() const;
    // The natural size in device pixels at 96 dpi.
    QSize size() const;
    // Maps the picture's frame onto target.
    void draw(QPainter &painter, const QRectF &target) const;

private:
    QSharedPointer<const WmfPicture> m_picture;
};
