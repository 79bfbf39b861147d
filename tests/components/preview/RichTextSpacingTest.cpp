// Vertical and horizontal lengths of printed paragraphs, in twips on the page, against the file's own.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "PreviewTestSupport.h"
#include "core/print/PreviewDocument.h"
#include "core/rtf/Rtf.h"
#include "core/rtf/RtfPaper.h"
#include "support/OfficeConvert.h"
#include "support/TempFolder.h"

using Preview::TextOp;

namespace {

QByteArray twoParagraphs(const char *first, const char *second)
{
    return QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n\\pard\\plain") + first +
           "\\f0\\fs24 Alpha\\par\r\n\\pard\\plain" + second + "\\f0\\fs24 Beta\\par\r\n}";
}

TextOp textNamed(const Preview::Page &page, const QString &text)
{
    for (const TextOp &t : textOps(page))
        if (t.text == text)
            return t;
    ADD_FAILURE() << "no text " << text.toStdString();
    return {};
}

std::unique_ptr<PreviewDocument> laidOut(const QByteArray &rtf)
{
    auto doc = std::make_unique<PreviewDocument>();
    doc->startDoc();
    EXPECT_TRUE(doc->appendRtf(rtf));
    doc->endDoc();
    return doc;
}

} // namespace

TEST(PrintedSpacing, ParagraphLengthsLandOnThePageInTwips)
{
    constexpr qreal None = -1;
    const struct {
        const char *first;
        const char *second;
        qreal gap;    // from Alpha's line box to Beta's
        qreal pitch;  // from Alpha's top to Beta's
        qreal alphaX; // from the left margin
        qreal betaX;
    } cases[] = {
        {"", "", 0, None, 0, 0},
        {"\\sa240", "", 240, None, 0, 0},
        {"", "\\sb360", 360, None, 0, 0},
        {"\\sa57", "\\sb113", 170, None, 0, 0}, // before and after add up
        {"\\sl-480\\slmult0", "\\sl-480\\slmult0", None, 480, 0, 0},
        {"\\sl600\\slmult0", "\\sl600\\slmult0", None, 600, 0, 0}, // at least: the room above the line
        {"\\li720", "\\li1440\\fi-360", 0, None, 720, 1080},
        {"\\li360\\fi360\\sb720", "\\ri2880", 0, None, 720, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.first) + " | " + c.second);
        const auto laid = laidOut(twoParagraphs(c.first, c.second));
        const PreviewDocument &doc = *laid;
        const TextOp alpha = textNamed(doc.page(0), QStringLiteral("Alpha"));
        const TextOp beta = textNamed(doc.page(0), QStringLiteral("Beta"));
        if (c.gap != None) {
            EXPECT_NEAR(beta.box.top() - alpha.box.bottom(), c.gap, 1);
        }
        if (c.pitch != None) {
            EXPECT_NEAR(beta.box.top() - alpha.box.top(), c.pitch, 1);
        }
        EXPECT_NEAR(alpha.box.left() - doc.marginLeft(), c.alphaX, 1);
        EXPECT_NEAR(beta.box.left() - doc.marginLeft(), c.betaX, 1);
    }
    // Space before the first paragraph counts from where the block starts.
    const auto spaced = laidOut(twoParagraphs("\\li360\\fi360\\sb720", ""));
    EXPECT_NEAR(textNamed(spaced->page(0), QStringLiteral("Alpha")).box.top(), spaced->marginTop() + 720, 1);
}

TEST(PrintedSpacing, ParagraphsOfACellStayInsideTheirRow)
{
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red200\\green200\\blue200;}\r\n"
                           "\\trowd\\trgaph108\\clcbpat1\\clbrdrb\\brdrs\\brdrw10\\cellx4000\r\n"
                           "\\pard\\plain\\intbl\\sa120\\f0\\fs24 Heading\\cell\\row\r\n"
                           "\\trowd\\trgaph108\\clbrdrb\\brdrs\\brdrw10\\cellx4000\r\n"
                           "\\pard\\plain\\intbl\\sb240\\sa240\\f0\\fs24 One\\par\\pard\\plain\\intbl\\sb240\\f0\\fs24 Two"
                           "\\cell\\row\r\n\\pard\\plain\\f0\\fs24 After\\par}";
    const auto doc = laidOut(rtf);
    const Preview::Page &page = doc->page(0);
    QRectF shade;
    QList<qreal> rules; // the rows' bottom borders, top down
    for (const Preview::Op &op : page.ops) {
        if (const auto *fill = std::get_if<Preview::FillOp>(&op))
            shade = fill->rect;
        if (const auto *line = std::get_if<Preview::LineOp>(&op); line && line->line.dy() == 0)
            rules.append(line->line.y1());
    }
    std::sort(rules.begin(), rules.end());
    ASSERT_EQ(rules.size(), 2);
    const TextOp heading = textNamed(page, QStringLiteral("Heading"));
    const TextOp one = textNamed(page, QStringLiteral("One"));
    const TextOp two = textNamed(page, QStringLiteral("Two"));
    EXPECT_TRUE(shade.contains(heading.box));
    EXPECT_NEAR(shade.bottom(), rules[0], 1);
    EXPECT_GE(one.box.top(), rules[0] + 240 - 1);
    EXPECT_NEAR(two.box.top() - one.box.bottom(), 480, 1);
    EXPECT_LE(two.box.bottom(), rules[1]);
    EXPECT_GE(textNamed(page, QStringLiteral("After")).box.top(), rules[1]);
}

TEST(PrintedSpacing, SampleEntriesPrintOnTheirFewPages)
{
    const struct {
        const char *file;
        int fewest;
        int most;
    } samples[] = {{"SampleAct.Dat", 1, 2}, {"SampleCom.Dat", 1, 2}, {"SamplePol.Dat", 2, 4}};
    for (const auto &sample : samples) {
        SCOPED_TRACE(sample.file);
        QFile file(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/") + QLatin1String(sample.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        PreviewDocument doc; // the entry report's margins
        doc.setMarginLeft(350);
        doc.setMarginTop(300);
        doc.setMarginRight(350);
        doc.setMarginBottom(100);
        doc.startDoc();
        ASSERT_TRUE(doc.appendRtf(file.readAll()));
        doc.endDoc();
        EXPECT_GE(doc.pageCount(), sample.fewest);
        EXPECT_LE(doc.pageCount(), sample.most);
    }
}

TEST(PrintedSpacing, TheFileNamesItsPaper)
{
    QTextDocument document;
    QFile a4(QStringLiteral(TESSAREL_TEST_DATA "/rtf/libreoffice-formatted.rtf"));
    ASSERT_TRUE(a4.open(QIODevice::ReadOnly));
    ASSERT_TRUE(Rtf::read(a4.readAll(), document).ok);
    EXPECT_EQ(Rtf::paperSize(document), QSize(11906, 16838));
    // Kept on save.
    QTextDocument again;
    ASSERT_TRUE(Rtf::read(Rtf::write(document), again).ok);
    EXPECT_EQ(Rtf::paperSize(again), QSize(11906, 16838));
    EXPECT_TRUE(Rtf::write(document).contains("\\paperw11906\\paperh16838"));

    QTextDocument none;
    ASSERT_TRUE(Rtf::read("{\\rtf1 plain\\par}", none).ok);
    EXPECT_FALSE(Rtf::paperSize(none).isValid());
    EXPECT_FALSE(Rtf::write(none).contains("\\paperw"));
}

namespace {

// The top of each line of page 1 of a PDF, in points, as pdftotext places its words.
QList<qreal> lineTops(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                             QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    QList<qreal> tops;
    static const QRegularExpression word(QStringLiteral("<word xMin=\"[^\"]+\" yMin=\"([^\"]+)\""));
    for (const QRegularExpressionMatch &m : word.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()))) {
        const qreal top = m.captured(1).toDouble();
        if (std::none_of(tops.begin(), tops.end(), [top](qreal seen) { return qAbs(seen - top) < 3; }))
            tops.append(top);
    }
    std::sort(tops.begin(), tops.end());
    return tops;
}

qreal medianPitch(const QList<qreal> &tops, qsizetype count)
{
    QList<qreal> pitches;
    for (qsizetype i = 1; i < count; ++i)
        pitches.append(tops[i] - tops[i - 1]);
    std::sort(pitches.begin(), pitches.end());
    return pitches.isEmpty() ? 0 : pitches[pitches.size() / 2];
}

} // namespace

TEST(PrintedSpacing, LinesSitAsLibreOfficePrintsThem)
{
    for (const char *name : {"libreoffice-formatted.rtf", "libreoffice-constructs.rtf"}) {
        SCOPED_TRACE(name);
        QFile source(QStringLiteral(TESSAREL_TEST_DATA "/rtf/") + QLatin1String(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray rtf = source.readAll();
        TempFolder folder;
        folder.write("entry.rtf", rtf);
        const QByteArray theirs = officeConvert(folder, QStringLiteral("entry.rtf"), QStringLiteral("pdf"));
        ASSERT_FALSE(theirs.isEmpty()) << "soffice did not convert the file";
        folder.write("theirs.pdf", theirs);

        QTextDocument document;
        ASSERT_TRUE(Rtf::read(rtf, document).ok);
        PreviewDocument doc;
        doc.setPageSize(QPageSize(QSizeF(Rtf::paperSize(document)) / 1440, QPageSize::Inch));
        doc.startDoc();
        doc.appendRichText(document);
        doc.endDoc();
        ASSERT_TRUE(doc.renderPdf(folder.file("ours.pdf")).ok);

        const QList<qreal> ours = lineTops(folder.file("ours.pdf"));
        const QList<qreal> office = lineTops(folder.file("theirs.pdf"));
        const qsizetype lines = qMin(ours.size(), office.size());
        ASSERT_GE(lines, 5);
        const qreal pitch = medianPitch(office, lines);
        EXPECT_LT(medianPitch(ours, lines), pitch * 1.5);
        EXPECT_GT(medianPitch(ours, lines), pitch / 1.5);
        // The same lines take about the same height of the page.
        const qreal span = office[lines - 1] - office[0];
        EXPECT_NEAR(ours[lines - 1] - ours[0], span, span * 0.5);
    }
}
