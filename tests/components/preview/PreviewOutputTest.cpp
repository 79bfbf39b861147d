#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "core/print/PreviewDocument.h"
#include "support/TempFolder.h"

namespace {

// A small report: a centred title, a ruled line, rows of text and a rich-text block long enough for two pages.
void drawReport(PreviewDocument &doc)
{
    doc.setMarginLeft(350);
    doc.setMarginTop(300);
    doc.setMarginRight(350);
    doc.setMarginBottom(100);
    doc.startDoc();
    doc.setFontName(QStringLiteral("Times New Roman"));
    doc.setFontSize(12);
    doc.setFontBold(true);
    const QString title = QStringLiteral("HIPAA Security Standards");
    doc.setCurrentY(doc.marginTop() + 700);
    doc.setCurrentX((doc.pageWidth() - doc.textWidth(title)) / 2);
    doc.printText(title);
    doc.drawLine(100, doc.currentY(), doc.pageWidth() - 100, doc.currentY());
    doc.setFontBold(false);
    doc.printText(QStringLiteral("Security Management Process"));
    QTextDocument block;
    block.setPlainText(QStringLiteral("Workforce security procedures apply to every member. ").repeated(400));
    doc.appendRichText(block);
    doc.printText(QStringLiteral("End of report"));
    doc.endDoc();
}

// Width and height in points of each page of a PDF file.
QList<QSize> mediaBoxes(const QByteArray &pdf)
{
    QList<QSize> boxes;
    QRegularExpression box(QStringLiteral("/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    for (const auto &m : box.globalMatch(QString::fromLatin1(pdf)))
        boxes.append(QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble())));
    return boxes;
}

} // namespace

TEST(PreviewOutput, PdfCarriesTheTextOfEveryPage)
{
    TempFolder folder;
    PreviewDocument doc;
    drawReport(doc);
    ASSERT_GE(doc.pageCount(), 2);
    ASSERT_TRUE(doc.renderPdf(folder.file(QStringLiteral("report.pdf"))));
    EXPECT_EQ(mediaBoxes(folder.read(QStringLiteral("report.pdf"))), QList<QSize>(doc.pageCount(), QSize(612, 792)));

    const QString text = pdfText(folder.file(QStringLiteral("report.pdf")));
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not installed";
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), doc.pageCount());
    EXPECT_TRUE(pages.first().contains(QStringLiteral("HIPAA Security Standards")));
    EXPECT_TRUE(pages.first().contains(QStringLiteral("Workforce security procedures")));
    EXPECT_TRUE(pages.at(1).contains(QStringLiteral("Workforce security procedures")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("End of report")));
    EXPECT_EQ(text.count(QStringLiteral("Workforce")), 400);
}

TEST(PreviewOutput, PdfFollowsTheOrientationAndFailsCleanly)
{
    TempFolder folder;
    PreviewDocument doc;
    doc.setOrientation(1);
    ASSERT_TRUE(doc.renderPdf(folder.file(QStringLiteral("empty.pdf")))); // an empty document is one blank page
    EXPECT_EQ(mediaBoxes(folder.read(QStringLiteral("empty.pdf"))), QList<QSize>{QSize(792, 612)});

    doc.printText(QStringLiteral("x"));
    EXPECT_FALSE(doc.renderPdf(folder.file(QStringLiteral("missing/folder/out.pdf"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("missing/folder/out.pdf"))));
}

TEST(PreviewOutput, PageImageHasThePaperSizeAndTheDrawing)
{
    PreviewDocument doc;
    doc.startDoc();
    doc.setLineColor(Qt::black);
    doc.drawLine(1440, 1440, 10800, 1440);
    doc.endDoc();
    const QImage image = doc.pageImage(0, 96);
    EXPECT_EQ(image.size(), QSize(816, 1056));
    EXPECT_LT(qGray(image.pixel(400, 96)), 128);
    EXPECT_EQ(image.pixel(400, 300), qRgb(255, 255, 255));
    EXPECT_TRUE(doc.pageImage(1, 96).isNull());
}

TEST(PreviewOutput, RtfBlockKeepsItsFormattingAndBadRtfDrawsNothing)
{
    PreviewDocument doc;
    doc.startDoc();
    ASSERT_TRUE(doc.appendRtf(QByteArrayLiteral(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "\\f0\\fs24 Access \\b control\\b0  and \\cf1 audit\\cf0\\par}")));
    const QList<Preview::TextOp> ops = textOps(doc.page(0));
    EXPECT_EQ(pageText(doc.page(0)).simplified(), QStringLiteral("Access control and audit"));
    ASSERT_EQ(ops.size(), 4);
    EXPECT_TRUE(ops.at(1).font.bold());
    EXPECT_EQ(ops.at(3).colour, QColor(Qt::red));
    EXPECT_EQ(ops.at(0).font.pixelSize(), 240);

    const qreal y = doc.currentY();
    EXPECT_FALSE(doc.appendRtf(QByteArrayLiteral("not rtf at all")));
    EXPECT_EQ(doc.page(0).ops.size(), ops.size());
    EXPECT_DOUBLE_EQ(doc.currentY(), y);
}
