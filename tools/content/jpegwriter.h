#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// Baseline JPEG encoding with libjpeg (independent of Qt's image plugins).
namespace JpegWriter {

// The JPEG file of an image at the given quality (1..100); nullopt if libjpeg fails.
std::optional<QByteArray> encode(const QImage &image, int quality);

} // namespace JpegWriter
