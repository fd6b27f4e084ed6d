#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

quint32 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

TEST(Picture1, IsA24BitBottomUpUncompressedBitmapAsQtWritesIt)
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
    // The picture tool writes it with Qt's BMP writer, from 32-bit pixels.
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.convertToFormat(QImage::Format_RGB32).save(&written, "BMP"));
    EXPECT_EQ(written.data(), bytes);
}

} // namespace
