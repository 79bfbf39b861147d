#include "RtfTestSupport.h"
#include "core/rtf/RtfPicture.h"
#include "core/rtf/RtfPictureWriter.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

// A 16 x 8 PNG, as the hex text of a \pict.
QByteArray swatchHex() { return RtfTest::readFixture("swatch.png").toHex(); }

std::optional<Rtf::Picture> readPicture(Rtf::PictureReader &reader, const char *blip, const QByteArray &hex)
{
    reader.begin();
    reader.word(blip, 0);
    reader.word("picwgoal", 480);
    reader.word("picscaley", 50);
    // Hex text arrives in pieces, with line breaks and odd splits.
    const qsizetype half = hex.size() / 2 + 1;
    reader.hexText(std::string_view(hex.constData(), std::size_t(half)));
    reader.hexText(" \t");
    reader.hexText(std::string_view(hex.constData() + half, std::size_t(hex.size() - half)));
    return reader.finish();
}

TEST(RtfPicture, DecodesPngAtItsGoalSizeAndScale)
{
    Rtf::PictureReader reader;
    const auto picture = readPicture(reader, "pngblip", swatchHex());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(16, 8));
    EXPECT_DOUBLE_EQ(picture->width, 32);  // 480 twips
    EXPECT_DOUBLE_EQ(picture->height, 4); // its own 8 pixels at 50 %
    EXPECT_TRUE(picture->name.startsWith("rtf-picture-"));
}

TEST(RtfPicture, DropsMetafilesAndDataThatIsNoPicture)
{
    Rtf::PictureReader reader;
    EXPECT_FALSE(readPicture(reader, "wmetafile", swatchHex()));
    EXPECT_FALSE(readPicture(reader, "pngblip", "0123456789abcdef"));
    EXPECT_FALSE(readPicture(reader, "pngblip", swatchHex().left(60)));
}

TEST(RtfPicture, StopsDecodingWhenThePixelBudgetIsSpent)
{
    Rtf::PictureReader reader(200); // room for one 16 x 8 picture
    EXPECT_TRUE(readPicture(reader, "pngblip", swatchHex()));
    EXPECT_FALSE(readPicture(reader, "pngblip", swatchHex()));
}

} // namespace

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage swatch() { return QImage::fromData(RtfTest::readFixture("swatch.png"), "PNG"); }

TEST(RtfPicture, DecodesOnlyTheKindItIsLabelledAs)
{
    for (const char *format : {"TIFF", "WEBP", "BMP", "ICO", "XPM", "JPEG", "PNG"}) {
        const QByteArray hex = encoded(swatch(), format).toHex();
        ASSERT_FALSE(hex.isEmpty()) << format;
        Rtf::PictureReader reader;
        EXPECT_EQ(bool(readPicture(reader, "pngblip", hex)), qstrcmp(format, "PNG") == 0) << format;
        EXPECT_EQ(bool(readPicture(reader, "jpegblip", hex)), qstrcmp(format, "JPEG") == 0) << format;
    }
}

TEST(RtfPicture, KeepsTheBytesAndKindItWasRead)
{
    const QByteArray jpeg = encoded(swatch(), "JPEG");
    Rtf::PictureReader reader;
    const auto picture = readPicture(reader, "jpegblip", jpeg.toHex());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, Rtf::Picture::Jpeg);
    EXPECT_EQ(picture->data, jpeg);
}

TEST(RtfPictureWriter, WritesOwnBytesUnchangedAndEncodesPicturesWithout)
{
    Rtf::PictureWriter writer;
    const QByteArray jpeg = encoded(swatch(), "JPEG");
    const auto own = writer.encode(swatch(), jpeg);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->data, jpeg);
    EXPECT_EQ(own->kind, Rtf::Picture::Jpeg);
    const auto pasted = writer.encode(swatch(), {});
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->kind, Rtf::Picture::Png);
    EXPECT_EQ(QImage::fromData(pasted->data, "PNG").size(), QSize(16, 8));
}

TEST(RtfPictureWriter, ShrinksAPictureOverTheByteLimit)
{
    Rtf::PictureWriter writer(4000);
    const QImage large = RtfTest::noiseImage(100, 100); // far over 4000 bytes as PNG and as JPEG
    const auto written = writer.encode(large, encoded(large, "PNG"));
    ASSERT_TRUE(written);
    EXPECT_LE(written->data.size(), 4000);
    EXPECT_EQ(written->kind, Rtf::Picture::Jpeg);
    EXPECT_LT(written->size.width(), 100);
    EXPECT_EQ(QImage::fromData(written->data, "JPEG").size(), written->size);
}

TEST(RtfPictureWriter, ShrinksPicturesToWhatIsLeftOfThePixelBudget)
{
    Rtf::PictureWriter writer(Rtf::MaxPictureBytes, 200); // 16 x 8 = 128 pixels fit once
    const QByteArray png = encoded(swatch(), "PNG");
    ASSERT_TRUE(writer.encode(swatch(), png));
    const auto second = writer.encode(swatch(), png);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->size, QSize(12, 6));
    EXPECT_FALSE(writer.encode(swatch(), png));
}

} // namespace
