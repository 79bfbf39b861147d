#include "RtfTestSupport.h"
#include "components/rtf/RtfPicture.h"

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
