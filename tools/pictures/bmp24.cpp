#include "bmp24.h"

#include <QtEndian>

namespace pictures {

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

constexpr quint32 kPixelsPerMetreAt96Dpi = 3780;

} // namespace

QByteArray encodeBmp24(const QImage &image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(height);

    QByteArray out;
    out.reserve(int(bmp24FileSize(width, height)));
    out.append("BM", 2);
    put32(out, 54 + pixelBytes);
    put32(out, 0);  // reserved
    put32(out, 54); // where the pixels start
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, quint32(width));
    put32(out, quint32(height)); // positive: bottom-up
    put16(out, 1);               // planes
    put16(out, 24);
    put32(out, 0); // BI_RGB, uncompressed
    put32(out, pixelBytes);
    put32(out, kPixelsPerMetreAt96Dpi);
    put32(out, kPixelsPerMetreAt96Dpi);
    put32(out, 0); // colours used
    put32(out, 0); // important colours

    QByteArray row(rowBytes, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        char *bgr = row.data();
        for (int x = 0; x < width; ++x) {
            *bgr++ = char(qBlue(pixels[x]));
            *bgr++ = char(qGreen(pixels[x]));
            *bgr++ = char(qRed(pixels[x]));
        }
        out.append(row);
    }
    return out;
}

} // namespace pictures
