#include <QSignalSpy>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "core/print/PreviewDocument.h"

using Preview::TextOp;

TEST(PreviewDocument, PageSetupIsLetterInTwipsAndOrientationSwapsTheSides)
{
    PreviewDocument doc;
    EXPECT_EQ(doc.orientation(), 0);
    EXPECT_DOUBLE_EQ(doc.pageWidth(), 12240);
    EXPECT_DOUBLE_EQ(doc.pageHeight(), 15840);
    doc.setOrientation(1);
    EXPECT_DOUBLE_EQ(doc.pageWidth(), 15840);
    EXPECT_DOUBLE_EQ(doc.pageHeight(), 12240);

    doc.setMarginLeft(350);
    doc.setMarginTop(300);
    doc.setMarginRight(360);
    doc.setMarginBottom(100);
    PreviewDocument other;
    other.setPageLayout(doc.pageLayout());
    EXPECT_EQ(other.orientation(), 1);
    EXPECT_NEAR(other.marginLeft(), 350, 0.01);
    EXPECT_NEAR(other.marginTop(), 300, 0.01);
    EXPECT_NEAR(other.marginRight(), 360, 0.01);
    EXPECT_NEAR(other.marginBottom(), 100, 0.01);
    EXPECT_DOUBLE_EQ(other.pageWidth(), 15840);
}

TEST(PreviewDocument, TextWidthFollowsTheFontSoACallerCanCentre)
{
    PreviewDocument doc;
    doc.setFontName(QStringLiteral("Times New Roman"));
    doc.setFontSize(10);
    const qreal a = doc.textWidth(QStringLiteral("A"));
    const qreal abc = doc.textWidth(QStringLiteral("ABC"));
    EXPECT_GT(a, 0);
    EXPECT_GT(abc, a);
    EXPECT_GT(doc.textWidth(QStringLiteral("ABC  ")), abc); // trailing blanks count
    EXPECT_DOUBLE_EQ(doc.textWidth(QStringLiteral("ABC\r\nA")), abc);

    doc.setFontBold(true);
    EXPECT_GT(doc.textWidth(QStringLiteral("ABC")), abc);
    doc.setFontBold(false);
    const qreal height10 = doc.lineHeight();
    doc.setFontSize(20);
    EXPECT_NEAR(doc.textWidth(QStringLiteral("ABC")), 2 * abc, abc * 0.05);
    EXPECT_NEAR(doc.lineHeight(), 2 * height10, height10 * 0.1);

    doc.setFontSize(12);
    doc.setFontBold(true);
    doc.startDoc();
    const QString title = QStringLiteral("HIPAA Security Standards");
    const qreal w = doc.textWidth(title);
    doc.setCurrentX((doc.pageWidth() - w) / 2);
    doc.printText(title);
    doc.endDoc();
    const TextOp printed = textOps(doc.page(0)).first();
    EXPECT_EQ(printed.text, title);
    EXPECT_NEAR(printed.box.left(), (doc.pageWidth() - w) / 2, 0.01);
    EXPECT_NEAR(printed.box.center().x(), doc.pageWidth() / 2, 0.01);
    EXPECT_TRUE(printed.font.bold());
}

TEST(PreviewDocument, PrintingMovesDownOneLineAndBackToTheLeftMargin)
{
    PreviewDocument doc;
    doc.setMarginLeft(350);
    doc.setMarginTop(300);
    doc.startDoc();
    EXPECT_DOUBLE_EQ(doc.currentX(), 350);
    EXPECT_DOUBLE_EQ(doc.currentY(), 300);
    doc.setTextColor(Qt::red);
    doc.setCurrentX(2000);
    doc.setCurrentY(1000);
    const qreal line = doc.lineHeight();
    doc.printText(QStringLiteral("Standards"));
    EXPECT_DOUBLE_EQ(doc.currentY(), 1000 + line);
    EXPECT_DOUBLE_EQ(doc.currentX(), 350);

    const TextOp op = textOps(doc.page(0)).first();
    EXPECT_DOUBLE_EQ(op.box.left(), 2000);
    EXPECT_DOUBLE_EQ(op.box.top(), 1000);
    EXPECT_GT(op.baseline.y(), 1000);
    EXPECT_LT(op.baseline.y(), 1000 + line);
    EXPECT_EQ(op.colour, QColor(Qt::red));

    doc.printText(QStringLiteral("first\r\nsecond"));
    EXPECT_DOUBLE_EQ(doc.currentY(), 1000 + 3 * line);
    doc.printText(QString());
    EXPECT_DOUBLE_EQ(doc.currentY(), 1000 + 4 * line);
    EXPECT_EQ(pageText(doc.page(0)), QStringLiteral("Standards first second"));
}

TEST(PreviewDocument, TextNeverRunsOffThePaper)
{
    PreviewDocument doc;
    doc.setMarginLeft(720);
    doc.setMarginRight(720);
    doc.startDoc();
    const QString words = QStringLiteral("word ").repeated(200).trimmed();
    doc.setCurrentX(3000);
    doc.printText(words);
    const QList<TextOp> lines = textOps(doc.page(0));
    ASSERT_GT(lines.size(), 1);
    for (const TextOp &t : lines) {
        EXPECT_DOUBLE_EQ(t.box.left(), 3000); // wrapped lines keep their start
        EXPECT_LE(t.box.right(), doc.pageWidth() - 720 + 0.01);
    }
    EXPECT_EQ(pageText(doc.page(0)), words);

    // Lines below the bottom margin continue at the top of a new page.
    doc.setCurrentY(doc.pageHeight() - doc.marginBottom() - doc.lineHeight() / 2);
    doc.printText(QStringLiteral("carried over"));
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_DOUBLE_EQ(textOps(doc.page(1)).first().box.top(), doc.marginTop());
    EXPECT_DOUBLE_EQ(doc.currentY(), doc.marginTop() + doc.lineHeight());
}

TEST(PreviewDocument, DocumentLifecycle)
{
    PreviewDocument doc;
    QSignalSpy changed(&doc, &PreviewDocument::documentChanged);
    doc.setMarginTop(500);
    doc.startDoc();
    doc.setLineColor(Qt::blue);
    doc.drawLine(100, 800, 12140, 800);
    doc.setCurrentY(9000);
    doc.setCurrentX(5000);
    doc.newPage();
    EXPECT_EQ(doc.pageCount(), 2);
    EXPECT_DOUBLE_EQ(doc.currentY(), 500);
    EXPECT_DOUBLE_EQ(doc.currentX(), doc.marginLeft());
    EXPECT_TRUE(doc.page(1).ops.isEmpty());
    doc.endDoc();
    EXPECT_FALSE(doc.isOpen());
    EXPECT_EQ(doc.pageCount(), 2); // the finished document stays

    ASSERT_EQ(doc.page(0).ops.size(), 1);
    const auto *line = std::get_if<Preview::LineOp>(&doc.page(0).ops.first());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->line, QLineF(100, 800, 12140, 800));
    EXPECT_EQ(line->colour, QColor(Qt::blue));

    doc.discard();
    EXPECT_EQ(doc.pageCount(), 0);
    EXPECT_EQ(changed.count(), 3);

    // Drawing without a document starts one.
    doc.printText(QStringLiteral("x"));
    EXPECT_TRUE(doc.isOpen());
    EXPECT_EQ(doc.pageCount(), 1);
    doc.startDoc();
    EXPECT_TRUE(doc.page(0).ops.isEmpty());
}

TEST(PreviewDocument, SetupChangesApplyToPagesStartedLater)
{
    PreviewDocument doc;
    doc.startDoc();
    doc.setOrientation(1);
    doc.setMarginTop(2000);
    EXPECT_EQ(doc.page(0).orientation, QPageLayout::Portrait);
    doc.newPage();
    EXPECT_EQ(doc.page(1).orientation, QPageLayout::Landscape);
    EXPECT_EQ(doc.page(1).size, QSizeF(15840, 12240));
    EXPECT_DOUBLE_EQ(doc.page(1).margins.top(), 2000);
    EXPECT_DOUBLE_EQ(doc.currentY(), 2000);
}
