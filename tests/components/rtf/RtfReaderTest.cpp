#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"

#include <gtest/gtest.h>

using RtfTest::blockTexts;
using RtfTest::CaseName;

namespace {

struct TextCase {
    const char *name;
    const char *rtf;
    QStringList blocks;
};

const QString LS = QString(QChar::LineSeparator);

class RtfReaderText : public testing::TestWithParam<TextCase>
{
};

TEST_P(RtfReaderText, GivesTheTextAsBlocks)
{
    QTextDocument document;
    const Rtf::ReadResult result = Rtf::read(GetParam().rtf, document);
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    EXPECT_EQ(blockTexts(document), GetParam().blocks);
}

const TextCase TextCases[] = {
    {"Paragraphs", R"({\rtf1 One\par Two\par}Ignored)", {"One", "Two"}},
    {"EmptyLastParagraphEndedByPar", R"({\rtf1 One\par\pard\par })", {"One", ""}},
    {"TextAfterTheLastPar", R"({\rtf1 One\par Two})", {"One", "Two"}},
    {"LastParagraphWithoutPar", R"({\rtf1 One\par Two})", {"One", "Two"}},
    {"LineTabAndBackslashNewline", "{\\rtf1 a\\line b\\tab c\\\r\nd}", {"a" + LS + "b\tc", "d"}},
    {"CrLfInTextIgnored", "{\\rtf1 wo\r\nrd}", {"word"}},
    {"EscapedMarkup", R"({\rtf1 \{x\} \\ y})", {"{x} \\ y"}},
    {"SpecialCharacters",
     R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\~\-\_})",
     {"\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u00A0\u00AD\u2011"}},
    {"Windows1252Escapes", R"({\rtf1\ansi caf\'e9 \'80\'96\'85})", {"café €–…"}},
    {"AnsiCodePage1251", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", {"При"}},
    {"FontCharsetChoosesCodePage",
     R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset161 Greek;}}\f1 \'e1\f0 \'e1})", {"αá"}},
    {"SymbolFontBullet", R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}Item})", {"\u2022\tItem"}},
    {"IgnorableMarkOnlyBeforeAWord", R"({\rtf1{\*{x}\b y}z})", {"xyz"}},
    {"DoubleByteCodePage", R"({\rtf1\ansi\ansicpg932 \'93\'fa\'96\'7b})", {"日本"}},
    {"UnicodeWithFallback", R"({\rtf1 a\u8364?b\uc2\u20013\'3f\'3fc\uc0\u937 d})", {"a€b中cΩd"}},
    {"NegativeUnicode", R"({\rtf1 \u-3913?})", {"\uF0B7"}},
    {"FallbackStopsAtGroupEnd", R"({\rtf1\uc3 {\u8364}x})", {"€x"}},
    {"SurrogatePair", R"({\rtf1 \u-10179?\u-8694?})", {"\U0001F60A"}},
    {"IgnorableDestinationsSkipped",
     R"({\rtf1{\*\generator Writer;}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\header H}{\footer F})"
     R"({\*\listtable{\list x}}{\*\themedata 0101}{\*\unknownthing zz}Body})",
     {"Body"}},
    {"FieldShowsItsResult",
     R"({\rtf1 See {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt the site}} now})", {"See the site now"}},
    {"PictureSkipped", R"({\rtf1 a{\pict\wmetafile8 0102ff}b})", {"ab"}},
    {"ObjectDataSkipped", R"({\rtf1 a{\object{\*\objdata 0102}{\result r}}b})", {"arb"}},
    {"BinarySkippedByLength", "{\\rtf1 a{\\pict\\bin4 }{\\\\}b}", {"ab"}},
    {"HiddenTextDropped", R"({\rtf1 a{\v hidden}b})", {"ab"}},
    {"ListTextKept", R"({\rtf1{\pntext\f1 1.\tab}First\par{\listtext 2.\tab}Second})", {"1.\tFirst", "2.\tSecond"}},
    {"OldListNumberingSkipped", R"({\rtf1{\*\pn\pnlvlbody{\pntxta .}}Item})", {"Item"}},
    // A table follows an empty paragraph at the start; each cell holds its paragraphs.
    {"TableCellsAreBlocks",
     R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000\pard\intbl A\cell\cell C\cell\row\pard After\par})",
     {"", "A", "", "C", "After"}},
    {"CellParagraphsStayParagraphs",
     R"({\rtf1\trowd{\pard\intbl One\par}\cell{\pard\intbl Two\par Three\par}\cell\row})",
     {"", "One", "", "Two", "Three", "", ""}},
    {"PageBreakEndsAParagraph", R"({\rtf1 a\page b\par\page c})", {"a", "b", "c"}},
    {"UprTakesTheUnicodeVersion", R"({\rtf1{\upr{x}{\*\ud{\u955?}}}})", {"λ"}},
    {"ControlWordsWithoutDelimiterSpace", R"({\rtf1\b1bold\b0 plain})", {"boldplain"}},
    {"LeadingWhitespaceAndBom", "\xEF\xBB\xBF \r\n{\\rtf1 ok}", {"ok"}},
};

INSTANTIATE_TEST_SUITE_P(Rtf, RtfReaderText, testing::ValuesIn(TextCases), CaseName());

TEST(RtfReader, InputThatIsNotRtfFailsAndLeavesTheDocument)
{
    for (const char *input : {"", "   ", "plain text", "{\\rt", "{rtf1 x}", "\\rtf1 x", "{\\*\\rtf1}"}) {
        QTextDocument document;
        document.setPlainText("kept");
        const Rtf::ReadResult result = Rtf::read(input, document);
        EXPECT_FALSE(result.ok) << input;
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_EQ(document.toPlainText(), "kept") << input;
    }
}

TEST(RtfReader, ReadReplacesTheContentWithoutUndoHistory)
{
    QTextDocument document;
    QTextCursor(&document).insertText("old");
    ASSERT_TRUE(Rtf::read("{\\rtf1 new}", document).ok);
    EXPECT_EQ(document.toPlainText(), "new");
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_TRUE(document.isUndoRedoEnabled());
}

TEST(RtfReader, InsertPutsTheTextAtTheCursorAsOneUndoStep)
{
    QTextDocument document;
    document.setPlainText("Start End");
    QTextCursor cursor(&document);
    cursor.setPosition(6);
    ASSERT_TRUE(Rtf::insert("{\\rtf1 {\\b one}\\par two }", cursor).ok);
    EXPECT_EQ(blockTexts(document), QStringList({"Start one", "two End"}));
    EXPECT_TRUE(RtfTest::formatAt(document, 6).fontWeight() == QFont::Bold);
    document.undo();
    EXPECT_EQ(document.toPlainText(), "Start End");
}

TEST(RtfReader, InsertReplacesTheSelectionAndRefusesNonRtf)
{
    QTextDocument document;
    document.setPlainText("abc");
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    EXPECT_FALSE(Rtf::insert("not rtf", cursor).ok);
    EXPECT_EQ(document.toPlainText(), "abc");
    ASSERT_TRUE(Rtf::insert("{\\rtf1 X}", cursor).ok);
    EXPECT_EQ(document.toPlainText(), "aXc");
}

} // namespace
