// JPEG pictures: a picture within the size limits, or a null image with a
// reason; never a partial picture.
#include "fuzzsupport.h"

#include "platform/jpegimage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString reason;
    const QImage image = JpegImage::decode(Fuzz::bytes(data, size), &reason);
    Fuzz::require(image.isNull() != reason.isEmpty(), "a picture, or a reason and no picture");
    if (!image.isNull()) {
        Fuzz::require(image.width() <= JpegImage::kMaxSide && image.height() <= JpegImage::kMaxSide, "side limit");
        Fuzz::require(qint64(image.width()) * image.height() <= JpegImage::kMaxPixels, "pixel limit");
    }
    return 0;
}
