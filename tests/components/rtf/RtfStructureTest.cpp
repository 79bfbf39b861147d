#include "RtfStructureSupport.h"
#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"
#include "core/rtf/RtfContent.h"

#include <QRegularExpression>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace RtfTest;

namespace {

const QStringList TableLines = {
    "table 4x3",
    "cell 0,0 [1x1]", "  Standard", "cell 0,1 [1x1]", "  Section", "cell 0,2 [1x1]", "  Status",
    "cell 1,0 [1x1]", "  Risk Analysis", "cell 1,1 [1x1]", "  164.308(a)(1)",
    "cell 1,2 [1x1]", "  Completed", "  Reviewed yearly",
    "cell 2,0 [1x1]", "  Workforce Security", "cell 2,1 [1x1]", "  164.308(a)(3)", "cell 2,2 [1x1]", "  Working",
    "cell 3,0 [1x1]", "  Contingency Plan", "cell 3,1 [1x1]", "  164.308(a)(7)", "cell 3,2 [1x1]", "  Pending"};

const QStringList ListAndTabLines = {
    "item 0 disc 1: Policies", "item 1 circle 1: Access control", "item 1 circle 2: Audit controls",
    "item 0 disc 2: Procedures", "item 0 decimal 3: Assign a security official",
    "item 0 decimal 4: Train the workforce", "tabs 8640r: Risk Analysis\t164.308(a)(1)",
    "tabs 4320r 6480c: Backup\tDaily\tOffsite"};

// pandoc ends each cell's paragraph with \par before \cell (an empty paragraph follows, as LibreOffice
// reads it too) and writes list markers as text before a tab stop.
QStringList pandocLines()
{
    QStringList lines;
    for (const QString &line : TableLines) {
        if (line == "  Reviewed yearly")
            continue;
        lines << line;
        if (line.startsWith("  "))
            lines << "  ";
    }
    for (const QString &item : {QString::fromUtf8("•\tPolicies"), QString::fromUtf8("–\tAccess control"),
                                QString::fromUtf8("–\tAudit controls"), QString::fromUtf8("•\tProcedures"),
                                QString("3.\tAssign a security official"), QString("4.\tTrain the workforce")})
        lines << "tabs 360l: " + item;
    return lines;
}

struct StructureCase {
    std::string name;
    const char *file;
    QStringList expected;
};

class RtfStructure : public testing::TestWithParam<StructureCase>
{
};

// Each file reads into the expected tables, lists and tab stops, and what the writer makes of it reads
// back the same.
TEST_P(RtfStructure, ReadsWritesAndReadsBackTheSame)
{
    const StructureCase &c = GetParam();
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(readFixture(c.file), document).ok);
    EXPECT_EQ(describeStructure(document), joined(c.expected));
    QTextDocument again;
    ASSERT_TRUE(Rtf::read(Rtf::write(document), again).ok);
    EXPECT_EQ(describeStructure(again), joined(c.expected));
    EXPECT_EQ(again.toPlainText().toStdString(), document.toPlainText().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Rtf, RtfStructure,
                         testing::Values(StructureCase{"WordStyle", "constructs-source.rtf", TableLines + ListAndTabLines},
                                         StructureCase{"LibreOffice", "libreoffice-constructs.rtf",
                                                       TableLines + ListAndTabLines},
                                         StructureCase{"Pandoc", "pandoc-constructs.rtf", pandocLines()}),
                         CaseName());

QTextTableCellFormat cellFormatAt(const QTextDocument &document, const QString &text)
{
    const auto *table = qobject_cast<const QTextTable *>(document.frameAt(find(document, text)));
    return table ? table->cellAt(find(document, text)).format().toTableCellFormat() : QTextTableCellFormat();
}

TEST(RtfStructure, CellWidthsBordersAndShadingSurviveAWrite)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(readFixture("constructs-source.rtf"), document).ok);
    for (QTextDocument *doc : {&document}) {
        const auto *table = qobject_cast<const QTextTable *>(doc->frameAt(find(*doc, "Standard")));
        ASSERT_TRUE(table);
        const QList<QTextLength> widths = table->format().columnWidthConstraints();
        ASSERT_EQ(widths.size(), 3);
        EXPECT_DOUBLE_EQ(widths[1].rawValue(), 2880 / 15.0);
    }
    QTextDocument again;
    ASSERT_TRUE(Rtf::read(Rtf::write(document), again).ok);
    for (const QTextDocument *doc : {&document, &again}) {
        const QTextTableCellFormat header = cellFormatAt(*doc, "Status");
        EXPECT_EQ(header.background().color(), QColor(217, 234, 211));
        EXPECT_EQ(header.topBorderStyle(), QTextFrameFormat::BorderStyle_Solid);
        EXPECT_EQ(header.rightBorderBrush().color(), QColor(Qt::black));
        EXPECT_GT(header.bottomBorder(), 0);
        EXPECT_EQ(cellFormatAt(*doc, "Pending").background().style(), Qt::NoBrush);
    }
}

// Rows that merge cells across (\clmgf/\clmrg) and down (\clvmgf/\clvmrg), and rows of different grids.
TEST(RtfStructure, MergedCellsSpanTheirColumnsAndRows)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\clvmgf\\cellx3000"
        "\\pard\\intbl Wide\\cell\\cell Tall\\cell\\row"
        "\\trowd\\cellx1000\\cellx2000\\clvmrg\\cellx3000\\pard\\intbl a\\cell b\\cell\\cell\\row"
        "\\trowd\\cellx1500\\cellx3000\\pard\\intbl c\\cell d\\cell\\row\\pard after}";
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(rtf, document).ok);
    const QStringList expected = {"table 3x4", "cell 0,0 [1x3]", "  Wide", "cell 0,3 [2x1]", "  Tall",
                                  "cell 1,0 [1x1]", "  a", "cell 1,1 [1x2]", "  b", "cell 2,0 [1x2]", "  c",
                                  "cell 2,2 [1x2]", "  d"};
    EXPECT_EQ(describeStructure(document), joined(expected));
    QTextDocument again;
    ASSERT_TRUE(Rtf::read(Rtf::write(document), again).ok);
    EXPECT_EQ(describeStructure(again), joined(expected));
}

// Broken tables keep every character: a cell without \row, \row without cells, text after the last cell,
// more cells than a row defines.
TEST(RtfStructure, BrokenTablesKeepTheirText)
{
    const QByteArray rtf = "{\\rtf1\\ansi\\row\\trowd\\cellx1000\\pard\\intbl one\\cell two\\cell three\\row"
                           "\\intbl four\\cell five}";
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(rtf, document).ok);
    EXPECT_EQ(document.toPlainText().simplified(), "one two three four five");
    QTextDocument again;
    ASSERT_TRUE(Rtf::read(Rtf::write(document), again).ok);
    EXPECT_EQ(again.toPlainText().toStdString(), document.toPlainText().toStdString());
}

// A long table is read in pieces that Qt lays out one at a time; written, it is one table again.
TEST(RtfStructure, LongTableIsReadInPiecesAndWrittenWhole)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int r = 0; r < 700; ++r)
        rtf += "\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a" + QByteArray::number(r) +
               "\\cell b\\cell c\\cell\\row\r\n";
    rtf += "\\pard after}";
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(rtf, document).ok);
    const QStringList lines = structureLines(document);
    EXPECT_EQ(lines.filter(QRegularExpression("^table ")), QStringList({"table 334x3", "table 334x3", "table 32x3"}));
    EXPECT_EQ(document.lastBlock().text(), "after");

    const QByteArray written = Rtf::write(document);
    EXPECT_EQ(written.count("\\row"), 700);
    EXPECT_EQ(written.count("\\row\r\n\\trowd"), 699) << "no paragraph between the pieces";
    QTextDocument again;
    ASSERT_TRUE(Rtf::read(written, again).ok);
    EXPECT_EQ(describeStructure(again), describeStructure(document));
    EXPECT_EQ(again.toPlainText().toStdString(), document.toPlainText().toStdString());
}

// Past the bound of table cells, rows are read as lines of cells apart by tabs, every character kept,
// and the reader says the formatting was simplified.
TEST(RtfStructure, RowsBeyondTheBoundOfCellsBecomeLinesOfText)
{
    const int rows = int(Rtf::Content::MaxTableCells / 4) + 2;
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int r = 0; r < rows; ++r)
        rtf += "\\trowd\\cellx1\\cellx2\\cellx3\\cellx4\\pard\\intbl a\\cell\\cell c\\par d\\cell e\\cell\\row\n";
    QTextDocument document;
    const Rtf::ReadResult result = Rtf::read(rtf, document);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.simplified);
    const QStringList lines = structureLines(document);
    EXPECT_EQ(lines.filter("cell ").size(), int(Rtf::Content::MaxTableCells));
    const QString LS(QChar::LineSeparator);
    EXPECT_EQ(document.lastBlock().previous().text(), "a\t\tc" + LS + "d\te");
    EXPECT_EQ(document.toPlainText().count('e'), rows);
}

} // namespace
