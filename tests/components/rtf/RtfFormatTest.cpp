#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"

#include <gtest/gtest.h>

#include <optional>

using namespace RtfTest;

namespace {

const char *const Header = R"({\rtf1\ansi\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;})"
                           R"({\f2\fmodern{\*\panose 02070309020205020404}Courier New{\*\falt Courier};}})"
                           R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;\red255\green255\blue0;})";

struct CharCase {
    const char *name;
    const char *body; // after the header; the checked word is "W"
    QString family;
    double points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    std::optional<QColor> foreground = std::nullopt;
    std::optional<QColor> background = std::nullopt;
};

class RtfCharFormat : public testing::TestWithParam<CharCase>
{
};

TEST_P(RtfCharFormat, ReadsTheCharacterFormat)
{
    const CharCase &c = GetParam();
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(QByteArray(Header) + c.body + "}", document).ok);
    const int position = find(document, "W");
    ASSERT_GE(position, 0);
    const QTextCharFormat format = formatAt(document, position);
    EXPECT_EQ(familyOf(format), c.family);
    EXPECT_DOUBLE_EQ(format.fontPointSize(), c.points);
    EXPECT_EQ(format.fontWeight() >= QFont::Bold, c.bold);
    EXPECT_EQ(format.fontItalic(), c.italic);
    EXPECT_EQ(format.fontUnderline(), c.underline);
    EXPECT_EQ(format.fontStrikeOut(), c.strike);
    EXPECT_EQ(format.hasProperty(QTextFormat::ForegroundBrush), c.foreground.has_value());
    if (c.foreground) {
        EXPECT_EQ(format.foreground().color(), *c.foreground);
    }
    EXPECT_EQ(format.hasProperty(QTextFormat::BackgroundBrush), c.background.has_value());
    if (c.background) {
        EXPECT_EQ(format.background().color(), *c.background);
    }
}

const CharCase CharCases[] = {
    {"DefaultFontAndTwelvePoints", "W", "Arial", 12},
    {"FontAndSize", R"(\f2\fs20 W)", "Courier New", 10},
    {"HalfPointSize", R"(\fs21 W)", "Arial", 10.5},
    {"BoldItalicUnderlineStrike", R"(\b\i\ul\strike W)", "Arial", 12, true, true, true, true},
    {"ZeroParametersSwitchOff", R"(\b\i\ul\strike x\b0\i0\ul0\strike0 W)", "Arial", 12},
    {"UlnoneEndsUnderline", R"(\uldb x\ulnone W)", "Arial", 12},
    {"GroupRestoresFormat", R"(\b {\i\f0\fs40 x}W)", "Arial", 12, true},
    {"PlainResetsToDefaultFont", R"(\f0\b\fs40\cf1 x\plain W)", "Arial", 12},
    {"Colour", R"(\cf2 W)", "Arial", 12, false, false, false, false, QColor(0, 0, 255)},
    {"AutomaticColour", R"(\cf1 x\cf0 W)", "Arial", 12},
    {"Highlight", R"(\highlight3 W)", "Arial", 12, false, false, false, false, std::nullopt, QColor(255, 255, 0)},
    {"CharacterShading", R"(\chcbpat1 W)", "Arial", 12, false, false, false, false, std::nullopt, QColor(255, 0, 0)},
    {"ColourOutOfTableIsAutomatic", R"(\cf99 W)", "Arial", 12},
    {"UnknownFontKeepsNoFamily", R"(\f77 W)", "", 12},
    {"AbsurdSizeIsClamped", R"(\fs999999999 W)", "Arial", 1638},
    {"ZeroSizeIsDefault", R"(\fs0 W)", "Arial", 12},
};

INSTANTIATE_TEST_SUITE_P(Rtf, RtfCharFormat, testing::ValuesIn(CharCases), CaseName());

struct ParaCase {
    const char *name;
    const char *rtf;
    Qt::Alignment alignment;
    double left, right, firstLine, before, after; // pixels at 96 dpi: twips / 15
    int lineHeightType = QTextBlockFormat::SingleHeight;
    double lineHeight = 0;
};

class RtfParagraphFormat : public testing::TestWithParam<ParaCase>
{
};

TEST_P(RtfParagraphFormat, ReadsTheParagraphFormatOfTheFirstBlock)
{
    const ParaCase &c = GetParam();
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(c.rtf, document).ok);
    const QTextBlockFormat format = document.begin().blockFormat();
    EXPECT_EQ(format.alignment() & Qt::AlignHorizontal_Mask, c.alignment);
    EXPECT_DOUBLE_EQ(format.leftMargin(), c.left);
    EXPECT_DOUBLE_EQ(format.rightMargin(), c.right);
    EXPECT_DOUBLE_EQ(format.textIndent(), c.firstLine);
    EXPECT_DOUBLE_EQ(format.topMargin(), c.before);
    EXPECT_DOUBLE_EQ(format.bottomMargin(), c.after);
    EXPECT_EQ(format.lineHeightType(), c.lineHeightType);
    EXPECT_DOUBLE_EQ(format.lineHeight(), c.lineHeight);
}

const ParaCase ParaCases[] = {
    {"Left", R"({\rtf1 a\par})", Qt::AlignLeft, 0, 0, 0, 0, 0},
    {"Centre", R"({\rtf1\qc a\par})", Qt::AlignHCenter, 0, 0, 0, 0, 0},
    {"Right", R"({\rtf1\qr a\par})", Qt::AlignRight, 0, 0, 0, 0, 0},
    {"Justify", R"({\rtf1\qj a\par})", Qt::AlignJustify, 0, 0, 0, 0, 0},
    {"IndentsAndSpacing", R"({\rtf1\li1440\ri720\fi-360\sb240\sa120 a\par})", Qt::AlignLeft, 96, 48, -24, 16, 8},
    {"StateAtParCounts", R"({\rtf1 a\qc\li300\par})", Qt::AlignHCenter, 20, 0, 0, 0, 0},
    {"PardResets", R"({\rtf1\qc\li300\pard a\par})", Qt::AlignLeft, 0, 0, 0, 0, 0},
    {"ProportionalLineSpacing", R"({\rtf1\sl276\slmult1 a\par})", Qt::AlignLeft, 0, 0, 0, 0, 0,
     QTextBlockFormat::ProportionalHeight, 115},
    {"AtLeastLineSpacing", R"({\rtf1\sl360\slmult0 a\par})", Qt::AlignLeft, 0, 0, 0, 0, 0,
     QTextBlockFormat::MinimumHeight, 24},
    {"ExactLineSpacing", R"({\rtf1\sl-300 a\par})", Qt::AlignLeft, 0, 0, 0, 0, 0, QTextBlockFormat::FixedHeight, 20},
    {"AbsurdIndentIsClamped", R"({\rtf1\li2147483647\fi-99999999999 a\par})", Qt::AlignLeft, 2112, 0, -2112, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Rtf, RtfParagraphFormat, testing::ValuesIn(ParaCases), CaseName());

TEST(RtfReader, EachParagraphKeepsItsOwnFormat)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(R"({\rtf1\qc one\par\pard\qr two\par\pard three})", document).ok);
    QTextBlock block = document.begin();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    block = block.next();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    block = block.next();
    EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfReader, AnEmptyParagraphKeepsTheSizeInForceAtItsEnd)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(R"({\rtf1 a\par\fs40\par b})", document).ok);
    EXPECT_DOUBLE_EQ(document.begin().next().charFormat().fontPointSize(), 20);
}

TEST(RtfReader, FontNamesAreDecodedWithTheirCharset)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read("{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}}\\f0 W}", document).ok);
    EXPECT_EQ(familyOf(formatAt(document, 0)), QString::fromUtf8("ＭＳ Mincho"));
}

} // namespace
