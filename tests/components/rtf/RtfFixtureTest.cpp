#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"

#include <QDir>
#include <QImage>
#include <QTextImageFormat>
#include <QUrl>
#include <gtest/gtest.h>

using namespace RtfTest;

namespace {

const QString LS = QString(QChar::LineSeparator);

// The picture at `position`: its format, and the image it shows.
std::pair<QTextImageFormat, QImage> pictureAt(const QTextDocument &document, int position)
{
    const QTextImageFormat format = formatAt(document, position).toImageFormat();
    const QVariant image = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    return {format, qvariant_cast<QImage>(image)};
}

QTextDocument *loadFixture(const QString &name, QTextDocument &document)
{
    const QByteArray rtf = readFixture(name);
    EXPECT_FALSE(rtf.isEmpty()) << qPrintable(name);
    EXPECT_TRUE(Rtf::read(rtf, document).ok) << qPrintable(name);
    return &document;
}

Qt::Alignment alignmentOf(const QTextDocument &document, const QString &text)
{
    return document.findBlock(find(document, text)).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

// Written by LibreOffice Writer from libreoffice-formatted.html.
TEST(RtfFixture, LibreOfficeTextTableAndLists)
{
    QTextDocument document;
    loadFixture("libreoffice-formatted.rtf", document);
    const QStringList expected = {
        "Risk Analysis",
        "Plain sans 14. Bold italic underlined struck.",
        "Red serif 10, right.",
        QString::fromUtf8("Justified and indented one inch: café naïve — “quoted” €5 Ωmega 中文 Žluťoučký."),
        "Yellow background and blue text.",
        "Standard", "Section", "R/A", // a table's cells, then its list items without their markers
        "Risk Analysis", "164.308(a)(1)", "(R)",
        "First bullet",
        "Second bullet",
        "Step one",
        "Step two",
        "Image: " + QString(QChar::ObjectReplacementCharacter) + " after image.",
        "Last paragraph."};
    EXPECT_EQ(blockTexts(document), expected);
}

TEST(RtfFixture, LibreOfficeFormatting)
{
    QTextDocument document;
    loadFixture("libreoffice-formatted.rtf", document);
    const QTextCharFormat title = formatAt(document, 0);
    EXPECT_EQ(familyOf(title), "Liberation Serif");
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 24);
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(alignmentOf(document, "Risk Analysis"), Qt::AlignHCenter);

    const QTextCharFormat sans = formatAt(document, find(document, "Plain sans"));
    EXPECT_EQ(familyOf(sans), "Liberation Sans");
    EXPECT_DOUBLE_EQ(sans.fontPointSize(), 14);
    EXPECT_EQ(formatAt(document, find(document, "Bold")).fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatAt(document, find(document, "italic")).fontItalic());
    EXPECT_TRUE(formatAt(document, find(document, "underlined")).fontUnderline());
    EXPECT_TRUE(formatAt(document, find(document, "struck")).fontStrikeOut());
    EXPECT_FALSE(formatAt(document, find(document, " italic")).fontItalic());

    const QTextCharFormat red = formatAt(document, find(document, "Red serif"));
    EXPECT_EQ(red.foreground().color(), QColor(0xC0, 0, 0));
    EXPECT_DOUBLE_EQ(red.fontPointSize(), 10);
    EXPECT_EQ(alignmentOf(document, "Red serif"), Qt::AlignRight);

    EXPECT_EQ(alignmentOf(document, "Justified"), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(document.findBlock(find(document, "Justified")).blockFormat().leftMargin(), 96);
    EXPECT_EQ(formatAt(document, find(document, "Yellow")).background().color(), QColor(255, 255, 0));
    EXPECT_EQ(formatAt(document, find(document, "blue text")).foreground().color(), QColor(0, 0, 255));

    // The PNG of the shape picture (not its metafile twin), at its shown size: 240 twips at 200 %.
    const auto [format, image] = pictureAt(document, find(document, QString(QChar::ObjectReplacementCharacter)));
    EXPECT_DOUBLE_EQ(format.width(), 32);
    EXPECT_DOUBLE_EQ(format.height(), 16);
    EXPECT_EQ(image.size(), QSize(16, 8));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 7), QColor(0, 0, 255));
}

// Written by pandoc -s from pandoc-formatted.md.
TEST(RtfFixture, PandocTextAndFormatting)
{
    QTextDocument document;
    loadFixture("pandoc-formatted.rtf", document);
    const QStringList expected = {
        "Contingency Plan",
        QString::fromUtf8("A paragraph with bold, italic and code words: café, naïve — “quoted” €5, Ωmega, 中文."),
        QString::fromUtf8("•\tFirst item"),
        QString::fromUtf8("•\tSecond item"),
        "1.\tStep one",
        "2.\tStep two",
        "Standard", "", "Section", "", // each cell ends its paragraph before the cell ends
        "Backup", "", "164.308", "",
        "Recovery", "", "164.310", "",
        "",
        QString(QChar::ObjectReplacementCharacter),
        "Last paragraph."};
    EXPECT_EQ(blockTexts(document), expected);

    const QTextCharFormat heading = formatAt(document, 0);
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 18);
    EXPECT_EQ(familyOf(heading), "Helvetica");
    EXPECT_EQ(familyOf(formatAt(document, find(document, "code"))), "Courier");
    EXPECT_TRUE(formatAt(document, find(document, "italic")).fontItalic());
    EXPECT_DOUBLE_EQ(document.findBlock(find(document, "First item")).blockFormat().leftMargin(), 24);
    const auto [format, image] = pictureAt(document, find(document, QString(QChar::ObjectReplacementCharacter)));
    EXPECT_NEAR(format.width(), 320 / 15.0, 1e-9);
    EXPECT_EQ(image.size(), QSize(16, 8));
}

// Each broken file either fails and leaves the document as it was, or gives its readable text.
struct BrokenCase {
    const char *file;
    bool readable;
    const char *text; // expected plain text when readable
};

class RtfBrokenFixture : public testing::TestWithParam<BrokenCase>
{
};

TEST_P(RtfBrokenFixture, FailsCleanlyOrGivesTheReadableText)
{
    const BrokenCase &c = GetParam();
    QTextDocument document;
    document.setPlainText("before");
    const QByteArray rtf = readFixture(QStringLiteral("broken/") + c.file);
    const Rtf::ReadResult result = Rtf::read(rtf, document);
    ASSERT_EQ(result.ok, c.readable) << qPrintable(result.error);
    const QString expected = c.readable ? QString::fromUtf8(c.text) : QStringLiteral("before");
    EXPECT_EQ(document.toRawText(), expected);
}

const BrokenCase BrokenCases[] = {
    {"not-rtf.txt", false, ""},
    {"empty.rtf", false, ""},
    {"html-named-rtf.rtf", false, ""},
    {"unbalanced-open.rtf", true, "bold more text"},
    {"unbalanced-close.rtf", true, "kept"},
    {"absurd-parameters.rtf", true, "abcdefgA"},
    {"deep-nesting.rtf", true, "deep end"},
    {"deep-unclosed.rtf", true, "starttext"},
    {"bin-longer-than-file.rtf", true, "before"},
    {"bin-negative.rtf", true, "ab"},
    {"broken-escapes.rtf", true, "azz4 b"},
    {"long-control-word.rtf", true, "xy"},
    {"fonttable-only.rtf", true, ""},
};

INSTANTIATE_TEST_SUITE_P(Rtf, RtfBrokenFixture, testing::ValuesIn(BrokenCases),
                         [](const testing::TestParamInfo<BrokenCase> &param) {
                             std::string name = param.param.file;
                             std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
                             return name;
                         });

TEST(RtfFixture, TruncatedFileKeepsTheTextBeforeTheCut)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(readFixture("broken/truncated.rtf"), document).ok);
    EXPECT_TRUE(document.toPlainText().startsWith("Risk Analysis\nPlain sans 14."));
}

TEST(RtfFixture, BinaryGarbageAfterTheHeaderReads)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(readFixture("broken/binary-garbage.rtf"), document).ok);
    EXPECT_TRUE(document.toPlainText().startsWith("ok "));
}

// The fuzzer's seed corpus, replayed through the reader and the writer.
TEST(RtfFixture, FuzzSeedCorpusReadsAndRewrites)
{
    const QDir corpus(QStringLiteral(TESSAREL_FUZZ_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_GE(files.size(), 10);
    for (const QString &name : files) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QTextDocument document;
        if (!Rtf::read(file.readAll(), document).ok)
            continue;
        QTextDocument again;
        EXPECT_TRUE(Rtf::read(Rtf::write(document), again).ok) << qPrintable(name);
        EXPECT_EQ(again.toRawText(), document.toRawText()) << qPrintable(name);
    }
}

} // namespace

namespace {

// libreoffice-resaved.rtf is libreoffice-resaved-source.rtf (written by Rtf::write) opened and saved
// again by LibreOffice Writer: both must read with the same text and formatting.
TEST(RtfFixture, LibreOfficeKeepsWhatTheWriterWrote)
{
    QTextDocument ours;
    QTextDocument resaved;
    loadFixture("libreoffice-resaved-source.rtf", ours);
    loadFixture("libreoffice-resaved.rtf", resaved);
    EXPECT_EQ(blockTexts(resaved).mid(0, 3), blockTexts(ours));
    for (const QString word : {"Centred", "Plain", "italic", "struck", "on yellow", "caf", "next"}) {
        const QTextCharFormat a = formatAt(ours, find(ours, word));
        const QTextCharFormat b = formatAt(resaved, find(resaved, word));
        EXPECT_EQ(familyOf(b), familyOf(a)) << qPrintable(word);
        EXPECT_DOUBLE_EQ(b.fontPointSize(), a.fontPointSize()) << qPrintable(word);
        EXPECT_EQ(b.fontWeight(), a.fontWeight()) << qPrintable(word);
        EXPECT_EQ(b.fontItalic(), a.fontItalic()) << qPrintable(word);
        EXPECT_EQ(b.fontUnderline(), a.fontUnderline()) << qPrintable(word);
        EXPECT_EQ(b.fontStrikeOut(), a.fontStrikeOut()) << qPrintable(word);
        EXPECT_EQ(b.foreground().color(), a.foreground().color()) << qPrintable(word);
        EXPECT_EQ(b.background().color(), a.background().color()) << qPrintable(word);
        const QTextBlockFormat pa = ours.findBlock(find(ours, word)).blockFormat();
        const QTextBlockFormat pb = resaved.findBlock(find(resaved, word)).blockFormat();
        EXPECT_EQ(pb.alignment() & Qt::AlignHorizontal_Mask, pa.alignment() & Qt::AlignHorizontal_Mask);
        EXPECT_NEAR(pb.leftMargin(), pa.leftMargin(), 0.1) << qPrintable(word);
        EXPECT_NEAR(pb.textIndent(), pa.textIndent(), 0.1) << qPrintable(word);
        EXPECT_NEAR(pb.topMargin(), pa.topMargin(), 0.1) << qPrintable(word);
    }
}

} // namespace
