#include "platform/jpegimage.h"

#include "platform/contenterror.h"
#include "platform/contentfile.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failJump(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg only warns about truncated or damaged data and fills the rest with
// grey; such a picture is as unusable as a broken header.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        failJump(info);
}

enum class Result { Ok, Failed, TooLarge, BadSize };

// Kept free of objects with destructors: longjmp leaves this frame directly.
Result decodeInto(const unsigned char *data, unsigned long size, QImage *image, char *message)
{
    jpeg_decompress_struct info;
    ErrorManager manager;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = failJump;
    manager.base.emit_message = onMessage;
    manager.message[0] = '\0';

    if (setjmp(manager.jump)) {
        std::memcpy(message, manager.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return Result::Failed;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0) {
        jpeg_destroy_decompress(&info);
        return Result::BadSize;
    }
    if (info.image_width > unsigned(JpegImage::kMaxSide) || info.image_height > unsigned(JpegImage::kMaxSide) ||
        qint64(info.image_width) * qint64(info.image_height) > JpegImage::kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return Result::TooLarge;
    }
    const bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height),
                    gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image->isNull() || info.output_components != (gray ? 1 : 3)) {
        jpeg_destroy_decompress(&info);
        return Result::BadSize;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            jpeg_destroy_decompress(&info);
            return Result::Failed;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return Result::Ok;
}

} // namespace

namespace JpegImage {

QImage decode(const QByteArray &bytes, QString *error)
{
    QString reason;
    QImage image;
    if (bytes.isEmpty()) {
        reason = QStringLiteral("пустой файл");
    } else {
        char message[JMSG_LENGTH_MAX] = {};
        switch (decodeInto(reinterpret_cast<const unsigned char *>(bytes.constData()), (unsigned long)bytes.size(),
                           &image, message)) {
        case Result::Ok:
            break;
        case Result::Failed:
            reason = QString::fromLocal8Bit(message);
            if (reason.isEmpty())
                reason = QStringLiteral("данные повреждены");
            break;
        case Result::TooLarge:
            reason = QStringLiteral("слишком большой рисунок");
            break;
        case Result::BadSize:
            reason = QStringLiteral("недопустимый размер рисунка");
            break;
        }
    }
    if (!reason.isEmpty())
        image = QImage();
    if (error)
        *error = reason;
    return image;
}

QImage load(const QString &contentPath)
{
    QString reason;
    const QImage image = decode(ContentFile::read(contentPath, ContentFile::kMaxPicture), &reason);
    if (image.isNull())
        throw ContentError::badContent(contentPath,
                                       QStringLiteral("не удаётся прочитать рисунок JPEG (%1)").arg(reason));
    return image;
}

} // namespace JpegImage
