#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"

#include <QImage>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

using namespace RtfTest;

namespace {

// Everything the writer keeps, block by block and run by run, as comparable text.
QStringList describe(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        lines << QStringLiteral("block align=%1 margins=%2,%3,%4,%5,%6 line=%7/%8")
                     .arg(int(b.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(b.leftMargin()).arg(b.rightMargin()).arg(b.textIndent())
                     .arg(b.topMargin()).arg(b.bottomMargin())
                     .arg(b.lineHeightType()).arg(b.lineHeight());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QFont font = f.font().resolve(document.defaultFont());
            lines << QStringLiteral("  [%1] %2 %3pt b%4 i%5 u%6 s%7 fg=%8 bg=%9 va=%10")
                         .arg(it.fragment().text(), font.family()).arg(font.pointSizeF())
                         .arg(font.bold()).arg(font.italic()).arg(font.underline()).arg(font.strikeOut())
                         .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : "-")
                         .arg(f.hasProperty(QTextFormat::BackgroundBrush) ? f.background().color().name() : "-")
                         .arg(int(f.verticalAlignment()));
        }
    }
    return lines;
}

QTextCharFormat charFormat(const QString &family, double points)
{
    QTextCharFormat format;
    format.setFontFamilies({family});
    format.setFontPointSize(points);
    return format;
}

// A document with every kept property, non-ASCII text, tabs, line breaks and markup characters.
void buildSample(QTextDocument &document)
{
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat title = charFormat("Liberation Sans", 18);
    title.setFontWeight(QFont::Bold);
    cursor.setBlockCharFormat(title);
    cursor.insertText("Risk Analysis {164.308} \\ done", title);

    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignJustify);
    indented.setLeftMargin(48);
    indented.setRightMargin(24);
    indented.setTextIndent(-12);
    indented.setTopMargin(8);
    indented.setBottomMargin(4);
    indented.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    const QTextCharFormat body = charFormat("Liberation Serif", 11.5);
    cursor.insertBlock(indented, body);
    cursor.insertText("Plain ", body);
    QTextCharFormat mixed = body;
    mixed.setFontItalic(true);
    mixed.setFontUnderline(true);
    cursor.insertText("italic underlined", mixed);
    mixed = body;
    mixed.setFontStrikeOut(true);
    mixed.setForeground(QColor(192, 0, 0));
    cursor.insertText(" struck red", mixed);
    mixed = body;
    mixed.setBackground(QColor(255, 255, 0));
    cursor.insertText(" on yellow", mixed);
    mixed = body;
    mixed.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText("2", mixed);

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setLineHeight(18, QTextBlockFormat::FixedHeight);
    const QTextCharFormat mono = charFormat("Liberation Mono", 9);
    cursor.insertBlock(right, mono);
    cursor.insertText(QString::fromUtf8("café – €5 “q” Ωmega 中文 \U0001F60A a\tb") + QChar::LineSeparator +
                          QString::fromUtf8("next\u00A0line"),
                      mono);
    cursor.insertBlock(QTextBlockFormat(), body); // an empty last paragraph
}

TEST(RtfRoundTrip, DocumentReadsBackWithTheSameTextAndFormat)
{
    QTextDocument original;
    buildSample(original);
    QTextDocument copy;
    ASSERT_TRUE(Rtf::read(Rtf::write(original), copy).ok);
    EXPECT_EQ(describe(copy), describe(original));
    EXPECT_EQ(copy.toRawText(), original.toRawText());
}

TEST(RtfRoundTrip, WritingWhatWasReadGivesTheSameRtf)
{
    QTextDocument original;
    buildSample(original);
    const QByteArray once = Rtf::write(original);
    QTextDocument copy;
    ASSERT_TRUE(Rtf::read(once, copy).ok);
    EXPECT_EQ(Rtf::write(copy), once);
}

TEST(RtfRoundTrip, WrittenRtfIsSevenBitWithTables)
{
    QTextDocument original;
    buildSample(original);
    const QByteArray rtf = Rtf::write(original);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;"));
    EXPECT_TRUE(rtf.contains("caf\\'e9"));
    EXPECT_TRUE(rtf.contains("\\u20013 ?"));
    EXPECT_FALSE(std::any_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; }));
}

TEST(RtfRoundTrip, SelectionPastedIntoAnotherDocumentKeepsItsFormat)
{
    QTextDocument source;
    buildSample(source);
    QTextCursor selection(&source);
    selection.setPosition(find(source, "italic"));
    selection.setPosition(find(source, " on yellow"), QTextCursor::KeepAnchor);

    QTextDocument target;
    target.setPlainText("[]");
    QTextCursor cursor(&target);
    cursor.setPosition(1);
    ASSERT_TRUE(Rtf::insert(Rtf::write(selection.selection()), cursor).ok);
    EXPECT_EQ(target.toPlainText(), "[italic underlined struck red]");
    const QTextCharFormat italic = formatAt(target, 1);
    EXPECT_TRUE(italic.fontItalic());
    EXPECT_TRUE(italic.fontUnderline());
    EXPECT_EQ(familyOf(italic), "Liberation Serif");
    EXPECT_DOUBLE_EQ(italic.fontPointSize(), 11.5);
    const QTextCharFormat red = formatAt(target, find(target, "red"));
    EXPECT_TRUE(red.fontStrikeOut());
    EXPECT_EQ(red.foreground().color(), QColor(192, 0, 0));
}

TEST(RtfRoundTrip, SelectionWithoutOwnFontTakesTheBaseFont)
{
    QTextDocument source;
    source.setDefaultFont(QFont("Liberation Mono", 14));
    source.setPlainText("plain words");
    QTextCursor all(&source);
    all.select(QTextCursor::Document);
    QTextDocument copy;
    ASSERT_TRUE(Rtf::read(Rtf::write(all.selection(), source.defaultFont()), copy).ok);
    EXPECT_EQ(familyOf(formatAt(copy, 0)), "Liberation Mono");
    EXPECT_DOUBLE_EQ(formatAt(copy, 0).fontPointSize(), 14);
}

TEST(RtfRoundTrip, PictureKeepsItsPixelsAndShownSize)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    image.setPixelColor(2, 1, Qt::red);
    QTextDocument original;
    original.addResource(QTextDocument::ImageResource, QUrl("picture"), image);
    QTextCursor cursor(&original);
    cursor.insertText("before ");
    QTextImageFormat shown;
    shown.setName("picture");
    shown.setWidth(30);
    shown.setHeight(20);
    cursor.insertImage(shown);
    cursor.insertText(" after");

    QTextDocument copy;
    ASSERT_TRUE(Rtf::read(Rtf::write(original), copy).ok);
    EXPECT_EQ(copy.toRawText(), original.toRawText());
    const QTextImageFormat format = formatAt(copy, 7).toImageFormat();
    EXPECT_DOUBLE_EQ(format.width(), 30);
    EXPECT_DOUBLE_EQ(format.height(), 20);
    const QImage read = qvariant_cast<QImage>(copy.resource(QTextDocument::ImageResource, QUrl(format.name())));
    EXPECT_EQ(read.size(), QSize(3, 2));
    EXPECT_EQ(read.pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(read.pixelColor(0, 0), QColor(Qt::green));
}

TEST(RtfRoundTrip, EmptyDocument)
{
    QTextDocument empty;
    QTextDocument copy;
    copy.setPlainText("old");
    ASSERT_TRUE(Rtf::read(Rtf::write(empty), copy).ok);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_EQ(copy.blockCount(), 1);
}

// Files of other programs end their last paragraph with "\\par }", which ends it and starts none, and
// name their title and dates in \\info, which a save keeps.
struct ForeignCase {
    std::string name;
    QByteArray rtf;
    QString lastParagraph;
    QString title;
    QByteArray info; // as written; empty: none
};

class RtfForeignFile : public testing::TestWithParam<ForeignCase>
{
};

TEST_P(RtfForeignFile, EndsWithItsLastParagraphAndKeepsItsInfo)
{
    const ForeignCase &c = GetParam();
    ASSERT_FALSE(c.rtf.isEmpty());
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(c.rtf, document).ok);
    EXPECT_EQ(document.lastBlock().text(), c.lastParagraph);
    EXPECT_EQ(document.metaInformation(QTextDocument::DocumentTitle), c.title);

    const QByteArray written = Rtf::write(document);
    if (c.info.isEmpty())
        EXPECT_FALSE(written.contains("\\info"));
    else
        EXPECT_TRUE(written.contains("}\r\n" + c.info + "\r\n")) << written.left(1500).toStdString();
    QTextDocument saved;
    ASSERT_TRUE(Rtf::read(written, saved).ok);
    EXPECT_EQ(blockTexts(saved), blockTexts(document));
    EXPECT_EQ(saved.metaInformation(QTextDocument::DocumentTitle), c.title);
}

const QByteArray LibreOfficeTimes = "{\\creatim\\yr0\\mo0\\dy0\\hr0\\min0}{\\revtim\\yr0\\mo0\\dy0\\hr0\\min0}"
                                    "{\\printim\\yr0\\mo0\\dy0\\hr0\\min0}";

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfForeignFile,
    testing::Values(
        ForeignCase{"LibreOfficeTitled", readFixture("libreoffice-formatted.rtf"), "Last paragraph.", "Fixture",
                    "{\\info{\\title Fixture}" + LibreOfficeTimes + "}"},
        ForeignCase{"LibreOffice", readFixture("libreoffice-constructs.rtf"), "Last paragraph.", "",
                    "{\\info" + LibreOfficeTimes + "}"},
        ForeignCase{"Pandoc", readFixture("pandoc-formatted.rtf"), "Last paragraph.", "", ""},
        ForeignCase{"WordStyle", readFixture("constructs-source.rtf"), "Last paragraph.", "", ""},
        ForeignCase{"EveryKindOfInfo",
                    "{\\rtf1\\ansi\\ansicpg1252{\\info{\\title Risk \\'e9valuation \\u8364?}{\\author A. Officer}"
                    "{\\*\\company Clinic \\{\\}}\\version3\\nofpages2{\\creatim\\yr2024\\mo5\\dy6\\hr7\\min8}}"
                    "\\pard Text\\par\\pard\\par }",
                    "", QString::fromUtf8("Risk évaluation €"),
                    "{\\info{\\title Risk \\'e9valuation \\'80}{\\author A. Officer}{\\*\\company Clinic \\{\\}}"
                    "\\version3\\nofpages2{\\creatim\\yr2024\\mo5\\dy6\\hr7\\min8}}"}),
    CaseName());

// A title given to the document is written; one taken from it is no longer.
TEST(RtfRoundTrip, DocumentTitleIsTheInfoTitle)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(readFixture("libreoffice-formatted.rtf"), document).ok);
    document.setMetaInformation(QTextDocument::DocumentTitle, "Risk {review}");
    EXPECT_TRUE(Rtf::write(document).contains("{\\info{\\title Risk \\{review\\}}{\\creatim"));
    document.setMetaInformation(QTextDocument::DocumentTitle, QString());
    EXPECT_TRUE(Rtf::write(document).contains("{\\info{\\creatim"));
    QTextDocument fresh;
    fresh.setPlainText("text");
    fresh.setMetaInformation(QTextDocument::DocumentTitle, "Plan");
    EXPECT_TRUE(Rtf::write(fresh).contains("}\r\n{\\info{\\title Plan}}\r\n\\pard\\plain"));
}

} // namespace
