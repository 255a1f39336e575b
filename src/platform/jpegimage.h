// Reads JPEG pictures with libjpeg, for the splash screen and the about box.
#pragma once

#include <QImage>
#include <QString>

namespace vorn {

// Pictures larger than this on either side, or with more pixels than
// kMaxJpegPixels, are refused: a damaged header must not make the program
// reserve gigabytes.
inline constexpr int kMaxJpegSide = 16384;
inline constexpr long long kMaxJpegPixels = 64LL * 1024 * 1024;

// The picture in the JPEG file at path: Format_Grayscale8 for a grey
// picture, Format_RGB888 for a colour one. A missing, empty, truncated or
// otherwise damaged file, a CMYK picture and an oversized one give a null
// image; libjpeg's warnings count as damage, and nothing is written to the
// terminal.
QImage LoadJpegImage(const QString& path);

// The same for JPEG data in memory.
QImage DecodeJpegImage(const QByteArray& data);

}  // namespace vorn
