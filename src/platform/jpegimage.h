#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures of the course content, decoded with libjpeg. Corrupt or
// truncated data is an error, never a partial picture or an abort.
namespace JpegImage {

// Largest picture accepted, in pixels per side and in total.
constexpr int kMaxSide = 8192;
constexpr qint64 kMaxPixels = qint64(4096) * 4096;

// A grayscale or RGB picture; a null image and a reason in error when the
// bytes are not a usable JPEG.
QImage decode(const QByteArray &bytes, QString *error = nullptr);

// The picture of a content file; throws ContentError::missingFile when the
// file cannot be opened and ContentError::badContent naming the file when it
// cannot be decoded.
QImage load(const QString &contentPath);

} // namespace JpegImage
