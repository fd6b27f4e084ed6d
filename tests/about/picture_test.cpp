#include "bmp24.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

using pictures::encodeBmp24;

quint32 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

TEST(Bmp24, WritesHeadersThenPaddedBlueGreenRedRowsFromTheBottom)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(1, 2, 3));

    // One header or row a line.
    // clang-format off
    const unsigned char expected[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, // info header: size, width, height, planes, bits
        0, 0, 0, 0, 16, 0, 0, 0, 0xc4, 0x0e, 0, 0, 0xc4, 0x0e, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0xff, 0, 0, 3, 2, 1, 0, 0, // bottom row: blue, (1, 2, 3), padding
        0, 0, 0xff, 0, 0xff, 0, 0, 0, // top row: red, green, padding
    };
    // clang-format on
    EXPECT_EQ(encodeBmp24(image), QByteArray(reinterpret_cast<const char *>(expected), sizeof expected));
}

TEST(Bmp24, SizesAndRoundTrip)
{
    EXPECT_EQ(pictures::bmp24FileSize(352, 244), 257718);
    EXPECT_TRUE(encodeBmp24(QImage()).isEmpty());

    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 * x, 80 * y, x + y));
    const QByteArray file = encodeBmp24(image);
    EXPECT_EQ(file.size(), pictures::bmp24FileSize(5, 3));
    EXPECT_EQ(QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32), image);
}

TEST(Picture1, IsA24BitBottomUpUncompressedBitmapWrittenByTheEncoder)
{
    QFile file(QStringLiteral(":/ui/picture1.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 257718);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(bytes, 2), 257718u);
    EXPECT_EQ(u32(bytes, 10), 54u);
    EXPECT_EQ(u32(bytes, 14), 40u);
    EXPECT_EQ(u32(bytes, 18), 352u);
    EXPECT_EQ(u32(bytes, 22), 244u) << "positive height: rows bottom-up";
    EXPECT_EQ(u16(bytes, 26), 1u);
    EXPECT_EQ(u16(bytes, 28), 24u);
    EXPECT_EQ(u32(bytes, 30), 0u) << "uncompressed";
    EXPECT_EQ(u32(bytes, 34), 352u * 3u * 244u);

    const QImage image = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(352, 244));
    EXPECT_EQ(encodeBmp24(image), bytes);
}

} // namespace
