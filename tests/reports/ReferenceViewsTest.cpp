#include <QTextDocument>
#include <gtest/gtest.h>

#include "HighlightedRuns.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/rtf/Rtf.h"
#include "core/references/ReferenceText.h"
#include "ui/workarea/ReferenceViews.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

// The work area's hidden buffers referenceBuffers(0..2) and its text box entryEditor.
struct Window
{
    RichTextBox referenceBuffers[3];
    RichTextBox entryEditor;
    ReferenceViews views{referenceBuffers[0], referenceBuffers[1], referenceBuffers[2], entryEditor};
    ReferenceState state;

    // Selects a view of an item as the work area does: empty the boxes, then produce.
    void show(int category, int tab, ReferenceView view)
    {
        state.CurrentCategory = qint16(category);
        state.CurrentItemTab = qint16(tab);
        state.selectedView = view;
        entryEditor.setText(QString());
        views.producer().clearBuffers();
        if (view == ReferenceView::RuleText)
            views.producer().produceRuleText(state);
        else if (view == ReferenceView::References)
            views.producer().produceReferences(state);
        else
            views.producer().produceAdditionalInformation(state);
    }
    QList<std::pair<int, int>> highlights() const { return highlightedRuns(*entryEditor.document()); }
    QString shownAt(const std::pair<int, int> &run) const
    {
        return entryEditor.Text().mid(run.first, run.second);
    }
};

TEST(ReferenceViews, OverviewItemsShowNoImplementationSpecification)
{
    Window window;
    window.entryEditor.setText(QStringLiteral("previous"));
    window.show(4, 0, ReferenceView::RuleText);
    EXPECT_EQ(window.entryEditor.Text(), "");
    window.show(5, 0, ReferenceView::RuleText);
    EXPECT_EQ(window.entryEditor.Text(), "");
    EXPECT_EQ(window.referenceBuffers[0].Text(), "");
}

TEST(ReferenceViews, ContentFileIsShownExactlyAsStored)
{
    TempFolder folder;
    QTextDocument stored;
    stored.setHtml(QStringLiteral("<h2>Risk Analysis</h2><p>The <i>risk analysis</i> comes first.</p>"));
    folder.write(QStringLiteral("RefRA1.Dat"), Rtf::write(stored));
    RichTextBox reference;
    ASSERT_TRUE(reference.LoadFile(QStringLiteral("RefRA1.Dat")));

    Window window;
    window.show(1, 0, ReferenceView::References);
    EXPECT_EQ(window.entryEditor.Text(), reference.Text());
    EXPECT_EQ(window.entryEditor.TextRTF(), reference.TextRTF());
    EXPECT_TRUE(window.highlights().isEmpty());
    EXPECT_EQ(window.state.CurrentFileName, "RefRA1.Dat");
}

TEST(ReferenceViews, RuleTextHighlightsThePhraseInTheParagraphHeading)
{
    Window window;
    window.show(1, 3, ReferenceView::RuleText);
    const QString text = window.entryEditor.Text();
    ASSERT_TRUE(text.startsWith(QStringLiteral("Implementation Specification:\n\n§ 164.308")));
    const auto runs = window.highlights();
    ASSERT_EQ(runs.size(), 1) << "the paragraph holds the phrase once, in its heading";
    EXPECT_EQ(window.shownAt(runs[0]), "Information system activity review");
    EXPECT_EQ(text.mid(runs[0].first - 4, 4), "(D) ");
    EXPECT_EQ(window.highlights(), highlightedRuns(*window.referenceBuffers[0].document()));
}

TEST(ReferenceViews, AdditionalInformationHighlightsTheWordPairOnlyInItsOrder)
{
    Window window;
    window.show(1, 13, ReferenceView::AdditionalInformation);
    const QStringList lines = window.entryEditor.Text().split(u'\n');
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[2], "This Implementation Specification is Addressable.");
    EXPECT_EQ(lines[11], "");
    const auto runs = window.highlights();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(window.shownAt(runs[0]), "monitoring Log-in");
    EXPECT_TRUE(lines[12].contains(QStringLiteral("log-in monitoring"))) << "the reversed pair stays plain";
}

TEST(ReferenceViews, PhraseAtTheVeryStartIsNotHighlighted)
{
    RichTextBox box;
    box.setText(QStringLiteral("Evaluation first, then a periodic evaluation."));
    RichTextReferenceBox target(box);
    ReferenceText::highlight(target, QStringLiteral("Evaluation"));
    const auto runs = highlightedRuns(*box.document());
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs[0].first, 34);
    EXPECT_EQ(box.SelStart(), 1);
    EXPECT_EQ(box.SelLength(), 0);
}

TEST(ReferenceViews, SampleShowsTheTextsOfPasswordManagement)
{
    Window sample, item15;
    for (ReferenceView view : {ReferenceView::RuleText, ReferenceView::References, ReferenceView::AdditionalInformation}) {
        sample.show(6, 0, view);
        item15.show(1, 14, view);
        EXPECT_EQ(sample.entryEditor.TextRTF(), item15.entryEditor.TextRTF());
        EXPECT_FALSE(sample.entryEditor.Text().isEmpty());
    }
    EXPECT_EQ(sample.shownAt(sample.highlights().front()), "Passwords");
}

TEST(ReferenceViews, ShowingAReferenceTextNeverSetsEntryChanged)
{
    TempFolder folder;
    folder.write(QStringLiteral("RefRA1.Dat"), QByteArray("{\\rtf1 Risk Analysis}"));
    Window window;
    const QList<ReferenceView> views{ReferenceView::RuleText, ReferenceView::References,
                                     ReferenceView::AdditionalInformation};
    for (int tab : {0, 3, 13}) {
        for (ReferenceView view : views) {
            window.state.EntryChanged = 0;
            window.show(1, tab, view);
            EXPECT_EQ(window.state.EntryChanged, 0) << tab;
            window.state.EntryChanged = 1;
            window.show(1, tab, view);
            const bool fromFile = tab == 0 && view == ReferenceView::References;
            EXPECT_EQ(window.state.EntryChanged, fromFile ? 1 : 0) << "a built text resets the flag " << tab;
        }
    }
    EXPECT_EQ(window.entryEditor.Text(), window.referenceBuffers[2].Text());
}

TEST(ReferenceViews, MissingContentFileLeavesTheViewEmptyWithoutAMessage)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    Window window;
    window.show(5, 1, ReferenceView::AdditionalInformation);
    window.show(4, 1, ReferenceView::References);
    EXPECT_EQ(window.entryEditor.Text(), "");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(window.state.CurrentFileName, "OrgRef2.Dat");
}

} // namespace
