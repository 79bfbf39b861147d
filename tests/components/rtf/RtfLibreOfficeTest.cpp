// What the writer writes, converted by LibreOffice (headless, with a profile of its own) to HTML and to
// flat ODF, shows the same table, lists and tab stops.
#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"
#include "support/OfficeConvert.h"
#include "support/TempFolder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace RtfTest;

namespace {

QString convert(const TempFolder &folder, const QString &name, const QString &format)
{
    return QString::fromUtf8(officeConvert(folder, name, format));
}

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression(pattern).globalMatch(text))
        found << m.captured(1).simplified();
    return found;
}

TEST(RtfLibreOffice, ReadsTheTableListsAndTabStopsTheWriterWrote)
{
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(readFixture("constructs-source.rtf"), document).ok);
    TempFolder folder;
    folder.write("entry.rtf", Rtf::write(document));

    const QString html = convert(folder, "entry.rtf", "html");
    ASSERT_FALSE(html.isEmpty()) << "soffice did not convert the file";
    const QString table = html.section("<table", 1, 1).section('>', 1).section("</table>", 0, 0);
    EXPECT_EQ(table.count("<tr"), 4);
    EXPECT_EQ(table.count("<td"), 12);
    const QString cells = QString(table).remove(QRegularExpression("<[^>]*>")).simplified();
    EXPECT_EQ(cells, "Standard Section Status Risk Analysis 164.308(a)(1) Completed Reviewed yearly Workforce Security "
                     "164.308(a)(3) Working Contingency Plan 164.308(a)(7) Pending");
    EXPECT_TRUE(table.contains("border: 1px solid #000000"));
    EXPECT_TRUE(table.contains("#d9ead3"));
    // The bullet list with its second level inside it, and the numbered list from 3.
    const QString lists = html.section("</table>", 1).remove(QRegularExpression("<(?!/?[uo]l|li)[^>]*>")).simplified();
    EXPECT_TRUE(lists.contains(QRegularExpression("<ul> <li>Policies <ul> <li>Access control <li>Audit controls </ul> "
                                                  "<li>Procedures </ul> <ol start=\"3\"> <li>Assign a security official "
                                                  "<li>Train the workforce </ol>")))
        << lists.toStdString();

    const QString odf = convert(folder, "entry.rtf", "fodt");
    ASSERT_FALSE(odf.isEmpty());
    const QStringList stops = matches(odf, "<style:tab-stop ([^>]*)/>");
    EXPECT_TRUE(stops.contains(R"(style:position="6in" style:type="right" style:leader-style="dotted" style:leader-text=".")"))
        << stops.join('\n').toStdString();
    EXPECT_TRUE(stops.contains(R"(style:position="3in" style:type="right")"));
    EXPECT_TRUE(stops.contains(R"(style:position="4.5in" style:type="center")"));
}

} // namespace
