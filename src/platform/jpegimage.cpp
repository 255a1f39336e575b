#include "jpegimage.h"

#include <csetjmp>
#include <cstdio>

#include <QByteArray>
#include <QFile>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace vorn {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; the default one ends the program. Ours jumps back into Decode.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Level -1 is a warning about corrupt data (a truncated file is one: libjpeg
// would fill the rest of the picture with grey); it ends decoding too.
// Trace messages (level >= 0) are dropped.
void WarningIsError(j_common_ptr info, int level) {
    if (level < 0) JumpOut(info);
}

void Silent(j_common_ptr) {}

// Decodes into *image; false on any failure. Between setjmp and a jump no
// object with a destructor lives in this function (the image belongs to the
// caller), so the jump skips no clean-up.
bool Decode(const unsigned char* data, unsigned long size, QImage* image) {
    // Zeroed, so that destroying it is safe even if creating it failed.
    jpeg_decompress_struct info{};
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOut;
    errors.base.emit_message = WarningIsError;
    errors.base.output_message = Silent;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    QImage::Format format = QImage::Format_Invalid;
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
        break;
    case JCS_RGB:
    case JCS_YCbCr:
        info.out_color_space = JCS_RGB;
        format = QImage::Format_RGB888;
        break;
    default:  // CMYK, YCCK and unknown spaces
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.image_width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        info.image_height > static_cast<JDIMENSION>(kMaxJpegSide) ||
        static_cast<long long>(info.image_width) * info.image_height > kMaxJpegPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), format);
    if (image->isNull() || info.output_components != (format == QImage::Format_Grayscale8 ? 1 : 3)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            jpeg_destroy_decompress(&info);
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpegImage(const QByteArray& data) {
    if (data.isEmpty()) return QImage();
    QImage image;
    if (!Decode(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()),
                &image))
        return QImage();
    return image;
}

QImage LoadJpegImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    return DecodeJpegImage(file.readAll());
}

}  // namespace vorn
