#pragma once

#include <QByteArray>
#include <QImage>

namespace pictures {

// The image as a Windows bitmap file: a 14-byte file header, a 40-byte
// BITMAPINFOHEADER, then 24-bit blue-green-red pixels, rows bottom-up, each
// row padded with zeros to a multiple of 4 bytes; no palette, no compression,
// 96 dots per inch. Alpha is dropped. A null image gives an empty array.
QByteArray encodeBmp24(const QImage &image);

// Size of that file for a width and height.
constexpr qint64 bmp24FileSize(int width, int height)
{
    return 54 + qint64((width * 3 + 3) / 4 * 4) * height;
}

} // namespace pictures
