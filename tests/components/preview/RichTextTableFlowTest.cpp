#include <QTextDocument>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "core/print/PreviewDocument.h"
#include "components/rtf/RtfTestSupport.h"

using Preview::FillOp;
using Preview::LineOp;
using Preview::TextOp;

namespace {

QByteArray longTable(int rows)
{
    QByteArray rtf = "{\\rtf1\\ansi{\\colortbl;\\red217\\green234\\blue211;}";
    const QByteArray box = "\\clbrdrt\\brdrs\\brdrw15\\clbrdrl\\brdrs\\brdrw15\\clbrdrb\\brdrs\\brdrw15\\clbrdrr\\brdrs\\brdrw15";
    for (int r = 0; r < rows; ++r)
        rtf += "\\trowd\\trgaph100" + box + (r == 0 ? "\\clcbpat1" : "") + "\\cellx3000" + box + "\\cellx6000"
               "\\pard\\intbl Row " + QByteArray::number(r) + "\\cell\\pard\\intbl first line\\par second line\\cell\\row\n";
    return rtf + "\\pard After\\par}";
}

// A bordered table flows over pages row by row: each row's text stays inside its cell borders on one
// page, the shaded cell is filled, and nothing is drawn outside the margins.
TEST(PreviewRichTextTable, RowsFlowOverPagesInsideTheirBorders)
{
    PreviewDocument doc;
    doc.startDoc();
    ASSERT_TRUE(doc.appendRtf(longTable(60)));
    doc.endDoc();
    ASSERT_GE(doc.pageCount(), 2);
    // Borders are centred on the cells' edges: half a border's width may stand outside.
    const QRectF area(doc.marginLeft() - 8, doc.marginTop() - 8, doc.pageWidth() - doc.marginLeft() - doc.marginRight() + 16,
                      doc.pageHeight() - doc.marginTop() - doc.marginBottom() + 16);
    int rowsSeen = 0;
    bool filled = false;
    for (const Preview::Page &page : doc.pages()) {
        QList<qreal> horizontal; // y of the horizontal borders on this page
        for (const Preview::Op &op : page.ops) {
            EXPECT_TRUE(area.contains(Preview::bounds(op))) << Preview::bounds(op).top();
            if (const auto *line = std::get_if<LineOp>(&op); line && line->line.dy() == 0)
                horizontal << line->line.y1();
            if (const auto *fill = std::get_if<FillOp>(&op))
                filled = filled || fill->colour == QColor(217, 234, 211);
        }
        for (const TextOp &text : textOps(page)) {
            if (!text.text.startsWith("Row "))
                continue;
            ++rowsSeen;
            const bool above = std::any_of(horizontal.begin(), horizontal.end(), [&](qreal y) { return y <= text.box.top(); });
            const bool below = std::any_of(horizontal.begin(), horizontal.end(), [&](qreal y) { return y >= text.box.bottom(); });
            EXPECT_TRUE(above && below) << text.text.toStdString();
        }
    }
    EXPECT_EQ(rowsSeen, 60);
    EXPECT_TRUE(filled);
    EXPECT_TRUE(pageText(doc.page(doc.pageCount() - 1)).endsWith("After"));
}

// List items show their markers, numbers counted from the list's start, left of their indented text;
// tab stops place the text where they stand.
TEST(PreviewRichTextTable, ListMarkersAndTabStops)
{
    PreviewDocument doc;
    doc.startDoc();
    ASSERT_TRUE(doc.appendRtf(RtfTest::readFixture("constructs-source.rtf")));
    doc.endDoc();
    const QList<TextOp> texts = textOps(doc.page(0));
    const auto textAt = [&](const QString &word) {
        const auto found = std::find_if(texts.begin(), texts.end(), [&](const TextOp &t) { return t.text.startsWith(word); });
        return found == texts.end() ? TextOp{} : *found;
    };
    const TextOp three = textAt("3.");
    const TextOp assign = textAt("Assign");
    ASSERT_FALSE(three.text.isEmpty());
    EXPECT_LT(three.box.right(), assign.box.left());
    EXPECT_NEAR(assign.box.left(), doc.marginLeft() + 720, 1); // \li720
    EXPECT_NEAR(textAt("Access").box.left(), doc.marginLeft() + 1440, 1);
    const auto tabbed = std::find_if(texts.rbegin(), texts.rend(), [](const TextOp &t) { return t.text == "164.308(a)(1)"; });
    ASSERT_NE(tabbed, texts.rend());
    EXPECT_NEAR(tabbed->box.right(), doc.marginLeft() + 8640, 15); // right-aligned at \tx8640
    // Its dot leader fills the room between the text before the tab and the text after it.
    const auto leader = std::find_if(texts.begin(), texts.end(), [](const TextOp &t) { return t.text.startsWith(".."); });
    ASSERT_NE(leader, texts.end());
    const auto before = std::find_if(texts.rbegin(), texts.rend(), [](const TextOp &t) { return t.text == "Risk Analysis"; });
    EXPECT_GE(leader->box.left(), before->box.right());
    EXPECT_LE(leader->box.right(), tabbed->box.left() + 1);
    EXPECT_GT(leader->box.width(), 3 * 1440);
}

// An HTML table's border="1" is drawn round every cell, as on screen; a table without one draws none.
TEST(PreviewRichTextTable, AnHtmlTablesBorderIsDrawnRoundEachCell)
{
    struct Case
    {
        const char *border;
        int lines; // 2 rows x 3 cells x 4 sides
    };
    for (const Case &c : {Case{" border=\"1\"", 24}, Case{"", 0}}) {
        QTextDocument block;
        block.setHtml(QStringLiteral("<table%1 cellspacing=\"0\"><tr><th>A</th><th>B</th><th>C</th></tr>"
                                     "<tr><td>1</td><td>2</td><td>3</td></tr></table>")
                          .arg(QLatin1String(c.border)));
        PreviewDocument doc;
        doc.startDoc();
        doc.appendRichText(block);
        doc.endDoc();
        int lines = 0;
        for (const Preview::Op &op : doc.page(0).ops)
            lines += std::holds_alternative<LineOp>(op) ? 1 : 0;
        EXPECT_EQ(lines, c.lines) << c.border;
    }
}

// A table's heading rows stand again at the top of every page it goes on to; a table without them
// continues with its next row.
TEST(PreviewRichTextTable, HeadingRowsAreRepeatedOnEachPageTheTableGoesOnTo)
{
    for (const bool heading : {true, false}) {
        QString rows;
        for (int r = 1; r <= 120; ++r)
            rows += QStringLiteral("<tr><td>Row %1</td><td>text</td></tr>").arg(r);
        const QString head = QStringLiteral("<tr><th>Item</th><th>Status</th></tr>");
        QTextDocument block;
        block.setHtml(QStringLiteral("<table border=\"1\" cellspacing=\"0\">%1%2</table>")
                          .arg(heading ? QStringLiteral("<thead>") + head + QStringLiteral("</thead>") : head, rows));
        PreviewDocument doc;
        doc.startDoc();
        doc.appendRichText(block);
        doc.endDoc();
        ASSERT_GE(doc.pageCount(), 2) << heading;
        int rowsSeen = 0;
        for (int page = 0; page < doc.pageCount(); ++page) {
            const QList<TextOp> texts = textOps(doc.page(page));
            ASSERT_FALSE(texts.isEmpty());
            const bool startsWithHeading = texts.first().text == QStringLiteral("Item");
            EXPECT_EQ(startsWithHeading, heading || page == 0) << "page " << page + 1;
            if (startsWithHeading) { // the heading stands above the page's first row
                EXPECT_LT(texts.first().box.bottom(), texts[2].box.top() + 1) << "page " << page + 1;
            }
            for (const TextOp &text : texts)
                rowsSeen += text.text.startsWith(QStringLiteral("Row ")) ? 1 : 0;
        }
        EXPECT_EQ(rowsSeen, 120) << heading;
    }
}

} // namespace
