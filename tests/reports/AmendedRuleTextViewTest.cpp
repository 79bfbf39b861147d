#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "HighlightedRuns.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/references/ReferenceText.h"
#include "ui/workarea/ReferenceViews.h"
#include "core/rule/RuleData.h"

namespace {

struct Window
{
    RichTextBox referenceBuffers[3];
    RichTextBox entryEditor;
    ReferenceViews views{referenceBuffers[0], referenceBuffers[1], referenceBuffers[2], entryEditor};

    void showRuleText(int category, int tab, qint16 mode = 0)
    {
        ReferenceState state;
        state.CurrentCategory = qint16(category);
        state.CurrentItemTab = qint16(tab);
        state.selectedView = ReferenceView::RuleText;
        state.modeFlag = mode;
        entryEditor.setText(QString());
        views.producer().clearBuffers();
        views.producer().produceRuleText(state);
    }
};

TEST(AmendedRuleTextView, BusinessAssociateContractsShowTheAmendmentsBesideTheHighlight)
{
    Window window;
    window.showRuleText(4, 1);
    const QString text = window.entryEditor.Text();
    const qsizetype heading = text.indexOf(QString::fromUtf8(ReferenceText::amendedHeading));
    ASSERT_GT(heading, 0);
    EXPECT_EQ(text.mid(heading - 2, 2), "\n\n");

    const QTextDocument &shown = *window.entryEditor.document();
    const QStringList removed = struck(shown);
    EXPECT_TRUE(removed.contains(RuleData::line(QStringLiteral("164.314(a)(1)(i)"))));
    EXPECT_TRUE(removed.contains(RuleData::line(QStringLiteral("164.314(a)(2)(i)(D)"))));
    EXPECT_TRUE(removed.contains(QStringLiteral("between a covered entity and a business associate")));
    const QStringList inserted = underlined(shown);
    EXPECT_TRUE(inserted.contains(
        RuleData::line(QStringLiteral("164.314(a)(2)(iii)"), RuleData::Edition::Amended2013)));
    EXPECT_TRUE(inserted.contains(QStringLiteral(", including breaches of unsecured protected health information as "
                                                 "required by § 164.410.")));
    QList<int> markStarts;
    struck(shown, &markStarts);
    ASSERT_FALSE(markStarts.isEmpty());
    EXPECT_GT(markStarts.first(), heading) << "the 2003 paragraphs stay unmarked";

    // The phrase is highlighted in the 2003 paragraphs and in the amended ones alike.
    const auto highlights = highlightedRuns(shown);
    ASSERT_GE(highlights.size(), 2);
    EXPECT_LT(highlights.first().first, heading);
    EXPECT_GT(highlights.last().first, heading);
    for (const auto &[start, length] : highlights)
        EXPECT_EQ(text.mid(start, length).toLower(), "business associate");
}

TEST(AmendedRuleTextView, WrittenContractStrikesTheRemovedExceptionThrough)
{
    Window window;
    window.showRuleText(1, 22);
    const QStringList removed = struck(*window.entryEditor.document());
    EXPECT_TRUE(removed.contains(RuleData::line(QStringLiteral("164.308(b)(2)(i)"))));
    EXPECT_TRUE(removed.contains(QStringLiteral("Standard:")));
}

TEST(AmendedRuleTextView, UnamendedItemSaysSoAndMarksNothing)
{
    Window window;
    window.showRuleText(2, 4); // Workstation use, § 164.310(b)
    const QStringList lines = window.entryEditor.Text().split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(lines.size() - 4),
              QStringList({"", QString::fromUtf8(ReferenceText::amendedHeading), "",
                           QString::fromUtf8(ReferenceText::amendedUnchanged)}));
    EXPECT_TRUE(struck(*window.entryEditor.document()).isEmpty());
    EXPECT_TRUE(underlined(*window.entryEditor.document(), false).isEmpty())
        << "only the phrase is underlined";
}

TEST(AmendedRuleTextView, ReportModeKeepsTheMarksWithoutHighlighting)
{
    Window window;
    window.showRuleText(4, 1, ReferenceState::reportMode);
    EXPECT_EQ(window.entryEditor.Text(), "");
    const QTextDocument &buffer = *window.referenceBuffers[0].document();
    EXPECT_TRUE(highlightedRuns(buffer).isEmpty());
    EXPECT_TRUE(struck(buffer).contains(RuleData::line(QStringLiteral("164.314(a)(1)(ii)"))));
}

} // namespace
