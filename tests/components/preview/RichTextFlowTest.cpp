#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "core/print/PreviewDocument.h"

using Preview::TextOp;

namespace {

// An entry report's page setup: the margins the work area uses.
void setEntryMargins(PreviewDocument &doc)
{
    doc.setMarginLeft(350);
    doc.setMarginTop(300);
    doc.setMarginRight(350);
    doc.setMarginBottom(100);
}

QRectF textArea(const PreviewDocument &doc)
{
    return QRectF(doc.marginLeft(), doc.marginTop(), doc.pageWidth() - doc.marginLeft() - doc.marginRight(),
                  doc.pageHeight() - doc.marginTop() - doc.marginBottom());
}

QString normalised(const QString &text)
{
    return text.simplified().remove(QLatin1Char(' '));
}

QString allText(const PreviewDocument &doc)
{
    QString text;
    for (const Preview::Page &page : doc.pages())
        text += pageText(page) + QLatin1Char(' ');
    return text;
}

void appendHtml(PreviewDocument &doc, const QString &html)
{
    QTextDocument block;
    block.setHtml(html);
    doc.appendRichText(block);
}

} // namespace

TEST(PreviewRichText, LongBlockFlowsOntoFurtherPagesInsideTheMargins)
{
    PreviewDocument doc;
    setEntryMargins(doc);
    doc.startDoc();
    doc.printText(QStringLiteral("Risk Analysis"));
    const qreal start = doc.currentY();

    QTextDocument block;
    QTextCursor cursor(&block);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Times New Roman")});
    format.setFontPointSize(12);
    for (int i = 0; i < 60; ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(QStringLiteral("Paragraph %1 conducts an accurate and thorough assessment of the potential "
                                         "risks and vulnerabilities to the confidentiality, integrity and availability "
                                         "of electronic protected health information. ").arg(i).repeated(2),
                          format);
    }
    doc.appendRichText(block);
    doc.endDoc();

    ASSERT_GE(doc.pageCount(), 2);
    const QRectF area = textArea(doc).adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const Preview::Page &page : doc.pages())
        for (const Preview::Op &op : page.ops)
            EXPECT_TRUE(area.contains(Preview::bounds(op))) << Preview::bounds(op).x() << "," << Preview::bounds(op).y();

    const QList<TextOp> first = textOps(doc.page(0));
    EXPECT_GE(first.at(1).box.top(), start);
    EXPECT_LT(first.at(1).box.top(), start + 300);
    EXPECT_DOUBLE_EQ(textOps(doc.page(1)).first().box.top(), doc.marginTop());
    EXPECT_GT(first.last().box.bottom(), area.bottom() - 600); // pages are filled before breaking
    EXPECT_EQ(normalised(allText(doc)), normalised(QStringLiteral("Risk Analysis ") + block.toPlainText()));

    const TextOp lastLine = textOps(doc.page(doc.pageCount() - 1)).last();
    EXPECT_NEAR(doc.currentY(), lastLine.box.bottom(), 1);
    EXPECT_DOUBLE_EQ(doc.currentX(), doc.marginLeft());
}

TEST(PreviewRichText, KeepsCharacterAndParagraphFormatting)
{
    PreviewDocument doc;
    setEntryMargins(doc);
    doc.setTextColor(QColor(0, 0, 128));
    appendHtml(doc, QStringLiteral(
        "<p style='font-family:Arial; font-size:10pt'>plain <b>bold</b> <i>italic</i> <u>under</u> <s>struck</s> "
        "<span style='color:#ff0000'>red</span> <span style='font-size:20pt'>big</span> "
        "<span style='background-color:#ffff00'>marked</span></p>"
        "<p align='center' style='font-size:10pt'>middle</p>"
        "<p align='right' style='font-size:10pt'>edge</p>"));
    const QList<TextOp> ops = textOps(doc.page(0));
    const auto find = [&](const QString &text) {
        for (const TextOp &t : ops)
            if (t.text == text)
                return t;
        ADD_FAILURE() << "no run " << text.toStdString();
        return TextOp{};
    };
    EXPECT_FALSE(find(QStringLiteral("plain")).font.bold());
    EXPECT_TRUE(find(QStringLiteral("bold")).font.bold());
    EXPECT_TRUE(find(QStringLiteral("italic")).font.italic());
    EXPECT_TRUE(find(QStringLiteral("under")).font.underline());
    EXPECT_TRUE(find(QStringLiteral("struck")).font.strikeOut());
    EXPECT_EQ(find(QStringLiteral("red")).colour, QColor(Qt::red));
    EXPECT_EQ(find(QStringLiteral("plain")).colour, QColor(0, 0, 128)); // the document's text colour
    EXPECT_EQ(find(QStringLiteral("plain")).font.pixelSize(), 200);      // 10 pt in twips
    EXPECT_EQ(find(QStringLiteral("big")).font.pixelSize(), 400);
    EXPECT_DOUBLE_EQ(find(QStringLiteral("big")).baseline.y(), find(QStringLiteral("plain")).baseline.y());

    const TextOp marked = find(QStringLiteral("marked"));
    const auto fill = std::find_if(doc.page(0).ops.begin(), doc.page(0).ops.end(), [&](const Preview::Op &op) {
        const auto *f = std::get_if<Preview::FillOp>(&op);
        return f && f->colour == QColor(Qt::yellow) && f->rect.contains(marked.box.center());
    });
    EXPECT_NE(fill, doc.page(0).ops.end());

    EXPECT_NEAR(find(QStringLiteral("middle")).box.center().x(), doc.pageWidth() / 2, 20);
    EXPECT_NEAR(find(QStringLiteral("edge")).box.right(), doc.pageWidth() - doc.marginRight(), 20);
}

TEST(PreviewRichText, UnstyledTextTakesTheBlocksDefaultFontAndHeadingsTheirOwnSize)
{
    PreviewDocument doc;
    QTextDocument block;
    block.setDefaultFont(QFont(QStringLiteral("Courier New"), 14));
    block.setHtml(QStringLiteral("<h2>Heading</h2><p>body</p>"));
    doc.appendRichText(block);
    const QList<TextOp> ops = textOps(doc.page(0));
    ASSERT_EQ(ops.size(), 2);
    EXPECT_EQ(ops.at(1).font.pixelSize(), 280);
    EXPECT_EQ(ops.at(1).font.family(), QStringLiteral("Courier New"));
    EXPECT_GT(ops.at(0).font.pixelSize(), 280);
    EXPECT_TRUE(ops.at(0).font.bold());
    // The line is as tall as the heading's font needs.
    EXPECT_GE(ops.at(0).box.height(), QFontMetricsF(ops.at(0).font, Preview::twipsDevice()).height() - 1);
}

TEST(PreviewRichText, TabsJustificationListsAndImagesSitWhereTheLayoutPutsThem)
{
    PreviewDocument doc;
    setEntryMargins(doc);
    doc.startDoc();
    QTextDocument row;
    QTextCursor(&row).insertText(QStringLiteral("Standard\tSection\tStatus"));
    doc.appendRichText(row);
    const QList<TextOp> cells = textOps(doc.page(0));
    ASSERT_EQ(cells.size(), 3);
    EXPECT_GT(cells.at(1).box.left(), cells.at(0).box.right());
    EXPECT_GT(cells.at(2).box.left(), cells.at(1).box.right());

    const int before = int(doc.page(0).ops.size());
    appendHtml(doc, QStringLiteral("<p align='justify'>") + QStringLiteral("spread these words ").repeated(40) + "</p>");
    const qreal right = doc.pageWidth() - doc.marginRight();
    const QList<TextOp> words = textOps(doc.page(0)).mid(before);
    ASSERT_GT(words.size(), 20);
    const qreal firstLine = words.first().baseline.y();
    qreal lineEnd = 0;
    for (const TextOp &t : words)
        if (t.baseline.y() == firstLine)
            lineEnd = qMax(lineEnd, t.box.right());
    EXPECT_NEAR(lineEnd, right, 15); // a full justified line reaches the right margin

    QTextDocument listBlock;
    QTextCursor cursor(&listBlock);
    cursor.insertList(QTextListFormat::ListDisc);
    cursor.insertText(QStringLiteral("item"));
    const int listStart = int(doc.page(0).ops.size());
    doc.appendRichText(listBlock);
    const QList<TextOp> item = textOps(doc.page(0)).mid(textOps(doc.page(0)).size() - 2);
    ASSERT_EQ(item.size(), 2);
    EXPECT_EQ(item.at(0).text, QString(QChar(0x2022)));
    EXPECT_LT(item.at(0).box.right(), item.at(1).box.left());
    EXPECT_GT(doc.page(0).ops.size(), listStart);

    QTextDocument picture;
    QImage wide(4000, 100, QImage::Format_RGB32);
    wide.fill(Qt::green);
    picture.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("wide.png")), wide);
    QTextCursor(&picture).insertImage(QStringLiteral("wide.png"));
    doc.appendRichText(picture);
    const auto *image = std::get_if<Preview::ImageOp>(&doc.page(doc.pageCount() - 1).ops.last());
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(textArea(doc).adjusted(-0.5, -0.5, 0.5, 0.5).contains(image->rect));
    EXPECT_NEAR(image->rect.width() / image->rect.height(), 40, 0.5);
}
