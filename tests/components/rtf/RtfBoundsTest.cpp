#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"
#include "core/rtf/RtfContent.h"
#include "core/rtf/RtfFormats.h"

#include <gtest/gtest.h>

using RtfTest::blockTexts;

namespace {

// The characters of a document, its paragraph breaks left out.
QString charactersOf(const QTextDocument &document) { return blockTexts(document).join(QString()); }

int runsIn(const QTextBlock &block)
{
    int runs = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        ++runs;
    return runs;
}

TEST(RtfBounds, ColourAndFontIndexesOutsideTheirTablesShareOneFormat)
{
    Rtf::FontTable fonts;
    Rtf::ColorTable colors;
    colors.addText(";");
    colors.setRed(255);
    colors.addText(";");
    Rtf::Formats formats(fonts, colors);
    for (int i = 2; i < 200'000; ++i) {
        Rtf::CharState state;
        state.foreground = i;
        state.background = i + 1;
        state.font = i;
        formats.charFormat(state);
    }
    EXPECT_EQ(formats.charFormatCount(), 1u);
    Rtf::CharState red;
    red.foreground = 1;
    EXPECT_EQ(formats.charFormatAt(formats.charFormat(red)).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formats.charFormatCount(), 2u);
    EXPECT_FALSE(formats.simplified());
}

TEST(RtfBounds, DistinctFormatsBeyondTheLimitTakeTheFormatBefore)
{
    Rtf::FontTable fonts;
    Rtf::ColorTable colors;
    Rtf::Formats formats(fonts, colors);
    int last = -1;
    for (int i = 1; i <= int(Rtf::Formats::MaxCharFormats) + 500; ++i) {
        Rtf::CharState state;
        state.halfPoints = i % 3000 + 1;
        state.bold = (i / 3000) & 1;
        state.italic = (i / 3000) & 2;
        last = formats.charFormat(state);
    }
    EXPECT_EQ(formats.charFormatCount(), Rtf::Formats::MaxCharFormats);
    EXPECT_EQ(last, int(Rtf::Formats::MaxCharFormats) - 1);
    EXPECT_TRUE(formats.simplified());
}

// Long paragraphs are split after a blank, long words anywhere; every character stays.
TEST(RtfBounds, LongParagraphsAreSplitWithEveryCharacterKept)
{
    const QString words = QString("word ").repeated(6000);
    const QString letters = QString("x").repeated(2500);
    QTextDocument document;
    const Rtf::ReadResult result = Rtf::read("{\\rtf1 " + words.toLatin1() + "\\par " + letters.toLatin1() + "}", document);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.simplified);
    EXPECT_EQ(charactersOf(document), words + letters);
    const QStringList blocks = blockTexts(document);
    ASSERT_EQ(blocks.size(), 4 + 3);
    for (int i = 0; i < 4; ++i) {
        EXPECT_LE(blocks[i].size(), Rtf::Content::SplitLength) << i;
        EXPECT_TRUE(blocks[i].endsWith(' ')) << i;
    }
    EXPECT_EQ(blocks[4].size(), Rtf::Content::MaxWordLength);
    EXPECT_EQ(blocks[6].size(), 500);
}

TEST(RtfBounds, RunsBeyondTheLimitOfAParagraphTakeTheFormatBefore)
{
    QByteArray rtf = "{\\rtf1 ";
    QString text;
    for (int i = 0; i < 3000; ++i) {
        rtf += i % 2 ? "\\b0 p " : "\\b b ";
        text += i % 2 ? "p " : "b ";
    }
    QTextDocument document;
    const Rtf::ReadResult result = Rtf::read(rtf + "\\par\\b x\\b0 y}", document);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.simplified);
    EXPECT_EQ(blockTexts(document), QStringList({text, "xy"}));
    EXPECT_EQ(runsIn(document.begin()), int(Rtf::Content::MaxBlockRuns));
    EXPECT_EQ(runsIn(document.lastBlock()), 2) << "the next paragraph has runs of its own";
}

TEST(RtfBounds, AnOrdinaryDocumentIsNotSimplified)
{
    QTextDocument document;
    const Rtf::ReadResult result = Rtf::read(RtfTest::readFixture("libreoffice-formatted.rtf"), document);
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.simplified);
}

} // namespace
