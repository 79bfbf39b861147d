#include <QFile>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "core/rtf/Rtf.h"
#include "core/references/DocumentReferenceBox.h"
#include "core/references/ReferenceProducer.h"
#include "core/references/ReferenceText.h"
#include "support/TempFolder.h"
#include "HighlightedRuns.h"

namespace {

// The three reference buffers and the main text box, as bare documents.
struct Boxes
{
    QTextDocument documents[4];
    DocumentReferenceBox buffer0{documents[0]}, buffer1{documents[1]}, buffer2{documents[2]}, view{documents[3]};
    int eventRuns = 0;
    ReferenceProducer producer{ReferenceBoxes{{&buffer0, &buffer1, &buffer2}, &view}, [this] { ++eventRuns; }};
};

ReferenceState stateFor(int category, int tab, ReferenceView view, qint16 mode = 0)
{
    ReferenceState state;
    state.CurrentCategory = qint16(category);
    state.CurrentItemTab = qint16(tab);
    state.selectedView = view;
    state.modeFlag = mode;
    return state;
}

QList<int> highlighted(const QTextDocument &document)
{
    QList<int> starts;
    for (const auto &run : highlightedRuns(document))
        starts.append(run.first);
    return starts;
}

QByteArray rtfOf(const QString &text)
{
    QTextDocument document;
    document.setPlainText(text);
    return Rtf::write(document);
}

TEST(ReferenceProducer, ViewModeHighlightsAndShowsOnlyTheSelectedView)
{
    Boxes boxes;
    ReferenceState state = stateFor(1, 3, ReferenceView::References);
    state.EntryChanged = 1;
    boxes.producer.produceRuleText(state);
    EXPECT_EQ(boxes.buffer0.text(), ReferenceText::ruleText(4).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(highlighted(boxes.documents[0]).size(), 1);
    EXPECT_TRUE(boxes.view.text().isEmpty()) << "the rule-text view is not the selected one";
    EXPECT_EQ(state.EntryChanged, 0);
    EXPECT_EQ(boxes.buffer0.cursor().position(), 1);
    EXPECT_EQ(boxes.eventRuns, 2);

    state.selectedView = ReferenceView::RuleText;
    boxes.producer.produceRuleText(state);
    EXPECT_EQ(boxes.view.text(), boxes.buffer0.text());
    EXPECT_EQ(highlighted(boxes.documents[3]), highlighted(boxes.documents[0]));
}

TEST(ReferenceProducer, ReportModeFillsOnlyTheBufferWithoutHighlighting)
{
    Boxes boxes;
    boxes.view.setText(QStringLiteral("entry"));
    ReferenceState state = stateFor(1, 3, ReferenceView::References, ReferenceState::reportMode);
    state.EntryChanged = 1;
    boxes.producer.produceReferences(state);
    EXPECT_EQ(boxes.buffer1.text(), ReferenceText::references(4).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(highlighted(boxes.documents[1]).isEmpty());
    EXPECT_EQ(boxes.view.text(), "entry");
    EXPECT_EQ(state.EntryChanged, 1) << "report mode stops before the view steps";
}

TEST(ReferenceProducer, AModeFlagOtherThanZeroOrReportHighlightsButDoesNotShow)
{
    Boxes boxes;
    ReferenceState state = stateFor(1, 3, ReferenceView::AdditionalInformation, 5);
    boxes.producer.produceAdditionalInformation(state);
    EXPECT_FALSE(highlighted(boxes.documents[2]).isEmpty());
    EXPECT_TRUE(boxes.view.text().isEmpty());
}

TEST(ReferenceProducer, ContentFilesGoToTheViewOrInReportModeToTheBuffer)
{
    TempFolder folder;
    folder.write(QStringLiteral("RefRA1.Dat"), rtfOf(QStringLiteral("Risk Analysis as stored")));
    folder.write(QStringLiteral("Addtl45.dat"), rtfOf(QStringLiteral("Documentation guidance")));
    Boxes boxes;
    ReferenceState state = stateFor(1, 0, ReferenceView::AdditionalInformation);
    state.EntryChanged = 1;
    boxes.producer.produceReferences(state);
    EXPECT_EQ(boxes.view.text(), "Risk Analysis as stored") << "loaded whatever view is selected";
    EXPECT_TRUE(boxes.buffer1.text().isEmpty());
    EXPECT_EQ(state.CurrentFileName, "RefRA1.Dat");
    EXPECT_EQ(state.EntryChanged, 1) << "a loaded file leaves the flag to the window";
    EXPECT_TRUE(highlighted(boxes.documents[3]).isEmpty());

    ReferenceState report = stateFor(5, 1, ReferenceView::None, ReferenceState::reportMode);
    boxes.producer.produceAdditionalInformation(report);
    EXPECT_EQ(boxes.buffer2.text(), "Documentation guidance");
    EXPECT_EQ(report.CurrentFileName, "Addtl45.dat");
}

TEST(ReferenceProducer, MissingContentFileLeavesTheViewEmpty)
{
    TempFolder folder;
    folder.write(QStringLiteral("RefRM1.Dat"), QByteArray("not rich text"));
    Boxes boxes;
    for (int tab : {0, 1}) {
        ReferenceState state = stateFor(1, tab, ReferenceView::References);
        boxes.producer.produceReferences(state);
        EXPECT_TRUE(boxes.view.text().isEmpty()) << tab;
    }
}

TEST(ReferenceProducer, SampleShowsTheTextsOfItem15)
{
    Boxes sample, item15;
    ReferenceState fromSample = stateFor(6, 0, ReferenceView::RuleText);
    ReferenceState fromItem = stateFor(1, 14, ReferenceView::RuleText);
    sample.producer.produceRuleText(fromSample);
    item15.producer.produceRuleText(fromItem);
    EXPECT_EQ(sample.view.text(), item15.view.text());
    EXPECT_TRUE(sample.view.text().contains(QStringLiteral("(D) Password management (Addressable).")));
    sample.producer.produceAdditionalInformation(fromSample);
    EXPECT_EQ(sample.buffer2.text(), ReferenceText::additionalInformation(15).replace(QStringLiteral("\r\n"),
                                                                                       QStringLiteral("\n")));
    EXPECT_EQ(ReferenceProducer::itemNumber(6, 3), 15);
    EXPECT_EQ(ReferenceProducer::itemNumber(0, 0), -1);
}

TEST(ReferenceProducer, ClearEmptiesTheBuffersOnly)
{
    Boxes boxes;
    for (DocumentReferenceBox *box : {&boxes.buffer0, &boxes.buffer1, &boxes.buffer2, &boxes.view})
        box->setText(QStringLiteral("text"));
    boxes.producer.clearBuffers();
    EXPECT_TRUE(boxes.buffer0.text().isEmpty());
    EXPECT_TRUE(boxes.buffer1.text().isEmpty());
    EXPECT_TRUE(boxes.buffer2.text().isEmpty());
    EXPECT_EQ(boxes.view.text(), "text");
}

TEST(ReferenceProducer, NoItemInTheOverviewCategory)
{
    Boxes boxes;
    ReferenceState state = stateFor(0, 0, ReferenceView::RuleText);
    state.EntryChanged = 1;
    boxes.producer.produceRuleText(state);
    boxes.producer.produceReferences(state);
    EXPECT_TRUE(boxes.buffer0.text().isEmpty());
    EXPECT_TRUE(boxes.view.text().isEmpty());
    EXPECT_EQ(state.EntryChanged, 1);
}

} // namespace
