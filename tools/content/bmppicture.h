#pragma once

#include "picturescript.h"
#include "sourceerror.h"

#include <QByteArray>

// Pictures drawn from a script (X.bmp.pic) and stored as Windows bitmaps
// (24 bits a pixel), for the controls that read ".bmp" files.
namespace BmpPicture {

Built<QByteArray> build(const QByteArray &source, const QString &fileName, const PictureScript::Loader &loader);

} // namespace BmpPicture
