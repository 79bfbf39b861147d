#include <gtest/gtest.h>

#include "core/print/PreviewDocument.h"
#include "core/todo/TodoPrint.h"

namespace {

const QDate Today(2026, 12, 7);

TodoGrid listOf(int rows)
{
    TodoGrid grid;
    for (int r = 1; r <= rows; ++r) {
        grid.setCell(2 * r, 1, QStringLiteral("Item %1").arg(r));
        grid.setCell(2 * r, 2, QStringLiteral("Mon - Dec 7, 26"));
        grid.setCell(2 * r + 1, 3, QStringLiteral("Tue - Dec 8, 26")); // a row without an item
    }
    return grid;
}

PrinterSettings::PrinterFont times12()
{
    PrinterSettings::PrinterFont font;
    font.name = QStringLiteral("Times New Roman");
    font.size = 12;
    return font;
}

struct PageContents {
    QStringList texts;
    QList<QLineF> lines;
};

PageContents contents(const Preview::Page &page)
{
    PageContents c;
    for (const Preview::Op &op : page.ops) {
        if (const auto *text = std::get_if<Preview::TextOp>(&op))
            c.texts.append(text->text);
        else if (const auto *line = std::get_if<Preview::LineOp>(&op))
            c.lines.append(line->line);
    }
    return c;
}

} // namespace

TEST(TodoPrint, EveryPageRepeatsTheHeadAndOnlyRowsWithItemsPrint)
{
    PreviewDocument doc;
    TodoPrint::layout(doc, listOf(100), times12(), {}, Today);
    ASSERT_GE(doc.pageCount(), 2);
    int items = 0;
    for (const Preview::Page &page : doc.pages()) {
        const PageContents c = contents(page);
        EXPECT_EQ(c.texts.mid(0, 6), QStringList({"To Do List", "As of  December 07, 2026", "To Do Item",
                                                  "To Do Date", "Actual Date", "Next Review Date"}));
        EXPECT_EQ(c.texts.count("Tue - Dec 8, 26"), 0);
        items += int(c.texts.filter(QStringLiteral("Item ")).size());
        EXPECT_EQ(c.lines.size(), 3 + 1 + 4 + 1) << "frame, rule, separators, rule under the headings";
        const qreal w = doc.pageWidth();
        EXPECT_NEAR(c.lines.at(4).x1(), w / 2.45, 0.01);
        EXPECT_NEAR(c.lines.at(7).x1(), w / 1.266, 0.01);
        EXPECT_NEAR(c.lines.at(1).y2(), doc.pageHeight() - doc.marginBottom() - 100, 0.01);
    }
    EXPECT_EQ(items, 100);
}

TEST(TodoPrint, OptionsLeaveOutTheLinesAndTheDate)
{
    PreviewDocument doc;
    TodoPrint::layout(doc, listOf(3), times12(), {false, false}, Today);
    ASSERT_EQ(doc.pageCount(), 1);
    const PageContents c = contents(doc.page(0));
    EXPECT_TRUE(c.lines.isEmpty());
    EXPECT_EQ(c.texts.mid(0, 2), QStringList({"To Do List", "To Do Item"}));
    EXPECT_EQ(c.texts.size(), 5 + 3 * 2);
}

TEST(TodoPrint, PrinterFontFollowsTheEntryBox)
{
    const auto onlyLiberation = [](const QString &family) { return family != QStringLiteral("Nonesuch"); };
    const auto noTimes = [](const QString &family) { return family == QStringLiteral("Courier"); };
    PrinterSettings::PrinterFont stored;
    stored.size = 0;

    QFont screen(QStringLiteral("MS Sans Serif"));
    screen.setBold(true);
    auto chosen = TodoPrint::printerFont(stored, screen, onlyLiberation);
    EXPECT_EQ(chosen.name, "Times New Roman");
    EXPECT_EQ(chosen.size, 12);
    EXPECT_TRUE(chosen.bold);

    stored.size = 9;
    chosen = TodoPrint::printerFont(stored, QFont(QStringLiteral("DejaVu Sans")), onlyLiberation);
    EXPECT_EQ(chosen.name, "DejaVu Sans");
    EXPECT_EQ(chosen.size, 9);
    EXPECT_EQ(TodoPrint::printerFont(stored, QFont(QStringLiteral("Nonesuch")), onlyLiberation).name,
              "Times New Roman");
    EXPECT_EQ(TodoPrint::printerFont(stored, QFont(QStringLiteral("Nonesuch")), noTimes).name, "Courier");
}
