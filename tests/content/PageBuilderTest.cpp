#include "ContentTestSupport.h"
#include "support/TempFolder.h"

#include "core/rtf/Rtf.h"

#include <QDir>
#include <QFont>

using namespace ContentTest;
using RtfTest::blockTexts;

namespace {

const QString Headings = QStringLiteral("# Title\n## Heading\n### Sub\nplain line\n");

TEST(PageBuilder, HeadingsTakeTheirSizeWeightAndAlignment)
{
    Page page;
    ASSERT_TRUE(page.build(Headings)) << page.error.toStdString();
    EXPECT_EQ(blockTexts(page.document), (QStringList{"Title", "Heading", "Sub", "plain line"}));
    const struct { const char *text; int points; bool bold; } expected[] = {
        {"Title", 16, true}, {"Heading", 14, true}, {"Sub", 12, true}, {"plain", 12, false}};
    for (const auto &[text, points, bold] : expected) {
        const QTextCharFormat format = formatIn(page.document, QString::fromLatin1(text), 0);
        EXPECT_EQ(format.fontPointSize(), points) << text;
        EXPECT_EQ(format.font().bold(), bold) << text;
        EXPECT_EQ(RtfTest::familyOf(format), QStringLiteral("Times New Roman")) << text;
    }
    EXPECT_EQ(blockStarting(page.document, "Title").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(blockStarting(page.document, "plain").blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignJustify);
}

TEST(PageBuilder, LinesJoinIntoParagraphsUntilABlankLineOrAMarker)
{
    Page page;
    ASSERT_TRUE(page.build("one\n  two  \n\nthree\n> quoted\nstill quoted\n- item\nmore\n- next\n\n\nlast"));
    EXPECT_EQ(blockTexts(page.document),
              (QStringList{"one two", "three", "quoted still quoted", "\u2022 item more", "\u2022 next", "last"}));
    EXPECT_EQ(leftTwips(blockStarting(page.document, "quoted")), 720);
    EXPECT_EQ(leftTwips(blockStarting(page.document, "three")), 0);
    const QTextBlock bullet = blockStarting(page.document, "\u2022 item");
    EXPECT_GT(leftTwips(bullet), 0);
    EXPECT_LT(bullet.blockFormat().textIndent(), 0) << "the bullet hangs before the item's text";
}

TEST(PageBuilder, InlineMarkersSetBoldAndItalicAndBackslashEscapes)
{
    Page page;
    ASSERT_TRUE(page.build("a **bold** b *it* c ***both*** \\*star\\* \\\\"));
    const QTextDocument &doc = page.document;
    EXPECT_EQ(doc.toPlainText(), "a bold b it c both *star* \\");
    const auto at = [&](const char *word) { return RtfTest::formatAt(doc, RtfTest::find(doc, word)).font(); };
    EXPECT_TRUE(at("bold").bold());
    EXPECT_FALSE(at("bold").italic());
    EXPECT_TRUE(at("it").italic());
    EXPECT_FALSE(at("it").bold());
    EXPECT_TRUE(at("both").bold() && at("both").italic());
    EXPECT_FALSE(at("star").bold() || at("star").italic());
    EXPECT_FALSE(at(" c ").bold() || at(" c ").italic());
}

TEST(PageBuilder, MistakesInTheSourceFailWithTheirLine)
{
    const struct { const char *source; const char *message; } cases[] = {
        {"ok\n\nan **open bold\n", "page.txt:4: unclosed ** (bold)"},
        {"fine\n*open\n\nnext", "page.txt:3: unclosed * (italic)"},
        {"x\n@frobnicate\n", "page.txt:2: unknown or malformed directive \"@frobnicate\""},
        {"@table\na | b\n", "page.txt:3: @table without @end"},
        {"@table\n@end\n", "page.txt:2: @table without rows"},
        {"@rule 164.999\n", "page.txt:1: no regulation paragraph 164.999"},
        {"@include missing.txt\n", "cannot read"},
    };
    for (const auto &[source, message] : cases) {
        Page page("164.302\t\u00a7 164.302  Applicability.\n");
        EXPECT_FALSE(page.build(QString::fromUtf8(source), QStringLiteral("/nonexistent"))) << source;
        EXPECT_TRUE(page.error.contains(QString::fromUtf8(message))) << page.error.toStdString();
    }
}

TEST(PageBuilder, TablesPutLeadingCellsOnOneLineAndTheLastCellIndentedBeneath)
{
    Page page;
    ASSERT_TRUE(page.build("@table\nName | Place | Detail\nGroup\nFirst | A1 | *one*\n | | two\nSecond | B2 |\n@end\nafter"));
    EXPECT_EQ(blockTexts(page.document),
              (QStringList{"Name\tPlace", "Detail", "Group", "First\tA1", "one", "two", "Second\tB2", "after"}));
    const QTextDocument &doc = page.document;
    EXPECT_TRUE(formatIn(doc, "Name", 6).font().bold()) << "the heading row is bold throughout";
    EXPECT_TRUE(formatIn(doc, "Detail", 0).font().bold());
    EXPECT_TRUE(formatIn(doc, "Group", 0).font().bold());
    EXPECT_TRUE(formatIn(doc, "First", 0).font().bold());
    EXPECT_FALSE(formatIn(doc, "First", 6).font().bold()) << "cells after the first are plain";
    EXPECT_TRUE(formatIn(doc, "one", 0).font().italic()) << "cells take inline markup";
    EXPECT_EQ(leftTwips(blockStarting(doc, "two")), 720);
    EXPECT_EQ(leftTwips(blockStarting(doc, "First")), 0);
}

TEST(PageBuilder, IncludesAddWholeSourcesAndRefuseToRecurse)
{
    TempFolder folder;
    folder.write("A.txt", "\xef\xbb\xbf# From A\n\ntext of *A*"); // saved with a byte order mark
    folder.write("B.txt", "@include A.txt\n@include sub/C.txt\n");
    QDir(folder.path()).mkpath("sub");
    folder.write("sub/C.txt", "@include D.txt\n");
    folder.write("sub/D.txt", "in D");
    folder.write("Loop.txt", "x\n@include Loop2.txt\n");
    folder.write("Loop2.txt", "@include Loop.txt\n");

    Page page;
    QString error;
    ContentGen::PageBuilder builder(page.document, page.rules);
    ASSERT_TRUE(builder.addFile(folder.file("B.txt"), &error)) << error.toStdString();
    EXPECT_EQ(blockTexts(page.document), (QStringList{"From A", "text of A", "in D"}));

    Page loop;
    ContentGen::PageBuilder loopBuilder(loop.document, loop.rules);
    EXPECT_FALSE(loopBuilder.addFile(folder.file("Loop.txt"), &error));
    EXPECT_TRUE(error.contains("includes itself")) << error.toStdString();
    EXPECT_TRUE(error.contains("Loop2.txt:1")) << "the error traces the includes: " << error.toStdString();
}

TEST(PageBuilder, FormattingSurvivesTheRtfWriter)
{
    Page page("164.308\t\u00a7 164.308  Administrative safeguards.\n"
              "164.308(a)(1)(ii)(A)\t(A) Risk analysis (Required). Conduct an assessment.\n");
    ASSERT_TRUE(page.build("# Title \u2014 \u00a7\n> indented **bold**\n\n@rule 164.308\n"));
    QTextDocument back;
    ASSERT_TRUE(Rtf::read(Rtf::write(page.document), back).ok);
    EXPECT_EQ(blockTexts(back), blockTexts(page.document));
    EXPECT_EQ(formatIn(back, "Title", 0).fontPointSize(), 16);
    EXPECT_EQ(blockStarting(back, "Title").blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(leftTwips(blockStarting(back, "indented")), 720);
    EXPECT_TRUE(formatIn(back, "indented", 9).font().bold());
    EXPECT_TRUE(formatIn(back, "\u00a7 164.308", 0).font().bold());
    EXPECT_EQ(leftTwips(blockStarting(back, "(A) Risk")), 3 * 360);
    EXPECT_TRUE(formatIn(back, "(A) Risk", 4).font().italic());
    EXPECT_FALSE(formatIn(back, "(A) Risk", 30).font().italic());
}

} // namespace
