#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "HighlightedRuns.h"
#include "core/print/PreviewDocument.h"
#include "components/preview/PreviewTestSupport.h"
#include "core/references/DocumentReferenceBox.h"
#include "core/reports/ReferenceReport.h"
#include "core/references/ReferenceText.h"
#include "core/rule/RuleData.h"

namespace {

constexpr int passwordCategory = 1;
constexpr int passwordTab = 14; // item 15, "Password Management"
constexpr int organizationalCategory = 4;
constexpr int businessAssociateTab = 1; // item 44, "Business Associate Contracts"

struct Report
{
    QTextDocument documents[4];
    DocumentReferenceBox buffers[3]{DocumentReferenceBox(documents[0]), DocumentReferenceBox(documents[1]),
                                    DocumentReferenceBox(documents[2])};
    DocumentReferenceBox view{documents[3]};
    ReferenceProducer producer{ReferenceBoxes{{&buffers[0], &buffers[1], &buffers[2]}, &view}};
    ReferenceReport report{producer, {&buffers[0], &buffers[1], &buffers[2]}};
    PreviewDocument doc;
    PrinterSettings::PrinterFont font;

    Report()
    {
        font.name = QStringLiteral("Courier New");
        font.size = 11;
        font.colour = Qt::darkGreen;
        PrinterSettings::setMargins(350, 300, 350, 100);
    }
    ~Report() { PrinterSettings::reset(); }
    void build(const ReferenceReport::Options &options, int category = passwordCategory,
               int tab = passwordTab)
    {
        report.build(category, tab, options, font, doc);
    }
    QString text() const { return report.report().toPlainText(); }
};

QString normalised(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Start of every whole-word occurrence of `word` in `text` after position 0.
QList<int> occurrences(const QString &text, const QString &word)
{
    QList<int> starts;
    for (qsizetype at = text.indexOf(word, 1, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + word.size(), Qt::CaseInsensitive)) {
        const bool before = !text[at - 1].isLetterOrNumber();
        const bool after = at + word.size() >= text.size() || !text[at + word.size()].isLetterOrNumber();
        if (before && after)
            starts.append(int(at));
    }
    return starts;
}

} // namespace

TEST(ReferenceReport, ReferencesAloneHighlightTheSearchNameInThePrinterFont)
{
    Report r;
    r.build({false, true, false});
    EXPECT_EQ(r.text(), normalised(ReferenceText::references(15)));
    const QList<int> expected = occurrences(r.text(), QStringLiteral("Password Management"));
    ASSERT_FALSE(expected.isEmpty());
    QList<int> starts;
    for (const auto &[start, length] : highlightedRuns(r.report.report())) {
        starts.append(start);
        EXPECT_EQ(length, QStringLiteral("Password Management").size());
    }
    EXPECT_EQ(starts, expected);

    const QTextCharFormat first = r.report.report().begin().begin().fragment().charFormat();
    EXPECT_EQ(first.fontFamilies().toStringList().value(0), "Courier New");
    EXPECT_EQ(first.fontPointSize(), 11);
    EXPECT_EQ(first.foreground().color(), QColor(Qt::darkGreen));
    EXPECT_TRUE(pageText(r.doc.page(0)).contains(QStringLiteral("References in Rule:")));
    EXPECT_EQ(r.doc.page(0).margins, QMarginsF(350, 300, 350, 100));
}

TEST(ReferenceReport, NameAtTheFirstCharacterIsNotHighlighted)
{
    Report r;
    r.buffers[1].setText(QStringLiteral("Password Management first, then password management again."));
    r.build({false, true, false});
    const auto runs = highlightedRuns(r.report.report());
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].first, 32);
}

TEST(ReferenceReport, SeveralTextsJoinWithBlankLinesAndMissingOnesAreProduced)
{
    Report r;
    r.buffers[1].setText(QStringLiteral("References shown in the window."));
    r.build({true, true, true});
    const QString ruleText = ReferenceText::markedRuleText(15).text;
    const QString additional = ReferenceText::additionalInformation(15);
    EXPECT_EQ(r.text(), normalised(ruleText + "\r\n\r\n" + "References shown in the window." + "\r\n\r\n" +
                                   additional));

    Report twoOnly;
    twoOnly.build({true, false, true});
    EXPECT_EQ(twoOnly.text(), normalised(ruleText + "\r\n\r\n" + additional));
}

TEST(ReferenceReport, NoOptionGivesAnEmptyDocument)
{
    Report r;
    r.build({false, false, false});
    EXPECT_TRUE(r.text().isEmpty());
    ASSERT_EQ(r.doc.pageCount(), 1);
    EXPECT_TRUE(textOps(r.doc.page(0)).isEmpty());
}

TEST(ReferenceReport, SampleCategoryReportsPasswordManagement)
{
    Report r;
    r.build({false, true, false}, 6, 0);
    EXPECT_EQ(r.text(), normalised(ReferenceText::references(15)));
    EXPECT_FALSE(highlightedRuns(r.report.report()).isEmpty());
}

TEST(ReferenceReport, RuleTextKeepsItsAmendmentMarksInThePrinterFont)
{
    const QString removed = RuleData::line(QStringLiteral("164.314(a)(1)(ii)"));
    const QString added = QStringLiteral(", including breaches of unsecured protected health information as "
                                         "required by § 164.410.");
    for (const ReferenceReport::Options &options :
         {ReferenceReport::Options{true, false, false}, ReferenceReport::Options{true, true, true}}) {
        SCOPED_TRACE(options[1] ? "joined texts" : "rule text alone");
        Report r;
        r.build(options, organizationalCategory, businessAssociateTab);
        const QTextDocument &report = r.report.report();
        const qsizetype heading = r.text().indexOf(QString::fromUtf8(ReferenceText::amendedHeading));
        ASSERT_GT(heading, 0);

        QList<int> struckStarts;
        const QStringList struckRuns = struck(report, &struckStarts);
        const qsizetype at = struckRuns.indexOf(removed);
        ASSERT_GE(at, 0);
        EXPECT_GT(struckStarts[at], heading);
        QList<int> underlinedStarts;
        const QStringList underlinedRuns = underlined(report, false, &underlinedStarts);
        EXPECT_TRUE(underlinedRuns.contains(added));
        EXPECT_GT(underlinedStarts.value(0), heading);

        const auto highlights = highlightedRuns(report);
        ASSERT_GE(highlights.size(), 2);
        EXPECT_LT(highlights.first().first, heading);
        EXPECT_GT(highlights.last().first, heading);
        for (const auto &[start, length] : highlights)
            EXPECT_EQ(r.text().mid(start, length).toLower(), "business associate");
    }

    // Marks counted in another text would land on the wrong words.
    Report other;
    other.buffers[0].setText(QStringLiteral("Edited. ") + ReferenceText::markedRuleText(44).text);
    other.build({true, false, false}, organizationalCategory, businessAssociateTab);
    EXPECT_TRUE(struck(other.report.report()).isEmpty());
}
