#pragma once

#include "picturescript.h"
#include "sourceerror.h"

#include <QByteArray>
#include <QImage>

// Draws a parsed picture script with QPainter on a white QImage (96 dpi).
// A rectangle covers exactly its W x H pixels, its outline lies inside it;
// lines run between pixel centres. A text that does not fit its box is
// reported as a warning.
namespace PictureRenderer {

constexpr int JpegQuality = 92;

Built<QImage> render(const PictureScript::Script &script);

// Parses, renders and JPEG-encodes a script.
Built<QByteArray> buildJpeg(const QByteArray &source, const QString &fileName, const PictureScript::Loader &loader);

} // namespace PictureRenderer
