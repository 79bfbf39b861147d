#include "core/references/ReferenceProducer.h"

#include "core/references/ReferenceBox.h"
#include "core/references/ReferenceTable.h"
#include "core/references/ReferenceText.h"
#include "core/catalogue/Catalogue.h"
#include "core/files/ContentFolder.h"

namespace {

constexpr int ruleTextBuffer = 0;
constexpr int referencesBuffer = 1;
constexpr int additionalBuffer = 2;

} // namespace

ReferenceProducer::ReferenceProducer(ReferenceBoxes boxes, std::function<void()> letEventsRun)
    : m_boxes(boxes), m_letEventsRun(std::move(letEventsRun))
{
}

int ReferenceProducer::itemNumber(int category, int tab)
{
    if (category == Catalogue::sampleCategory)
        return Catalogue::sampleReportNumber;
    return Catalogue::specificationNumber(category, tab);
}

void ReferenceProducer::clearBuffers()
{
    for (ReferenceBox *buffer : m_boxes.buffers)
        buffer->setText(QString());
}

void ReferenceProducer::produceRuleText(ReferenceState &state)
{
    letEventsRun();
    const int number = itemNumber(state.CurrentCategory, state.CurrentItemTab);
    if (number < 1)
        return;
    const ReferenceText::MarkedText shown = ReferenceText::markedRuleText(number);
    showBuilt(state, ruleTextBuffer, shown.text, ReferenceTable::ruleText(number).phrase, ReferenceView::RuleText,
              shown.marks);
}

void ReferenceProducer::produceReferences(ReferenceState &state)
{
    const int number = itemNumber(state.CurrentCategory, state.CurrentItemTab);
    if (number < 1)
        return;
    const ReferenceTable::Source &source = ReferenceTable::references(number);
    if (source.fromFile())
        showFile(state, referencesBuffer, source.file);
    else
        showBuilt(state, referencesBuffer, ReferenceText::references(number), source.phrase,
                  ReferenceView::References);
}

void ReferenceProducer::produceAdditionalInformation(ReferenceState &state)
{
    const int number = itemNumber(state.CurrentCategory, state.CurrentItemTab);
    if (number < 1)
        return;
    const ReferenceTable::Source &source = ReferenceTable::additionalInformation(number).source;
    if (source.fromFile()) {
        showFile(state, additionalBuffer, source.file);
        return;
    }
    letEventsRun();
    showBuilt(state, additionalBuffer, ReferenceText::additionalInformation(number), source.phrase,
              ReferenceView::AdditionalInformation);
}

void ReferenceProducer::showBuilt(ReferenceState &state, int buffer, const QString &text, const char *phrase,
                                  ReferenceView view, const std::vector<ReferenceText::Mark> &marks)
{
    ReferenceBox &target = *m_boxes.buffers[static_cast<size_t>(buffer)];
    target.setText(text);
    ReferenceText::markAmendments(target, marks);
    if (state.modeFlag == ReferenceState::reportMode)
        return;
    ReferenceText::highlight(target, QString::fromUtf8(phrase));
    if (state.selectedView == view && state.modeFlag == 0)
        m_boxes.shownBox->setTextRtf(target.textRtf());
    state.EntryChanged = 0;
    letEventsRun();
}

// A content file replaces the box's content as stored; a file that cannot be loaded leaves it as it was.
void ReferenceProducer::showFile(ReferenceState &state, int buffer, const char *name)
{
    state.CurrentFileName = QString::fromLatin1(name);
    ReferenceBox &target = state.modeFlag == ReferenceState::reportMode
                               ? *m_boxes.buffers[static_cast<size_t>(buffer)]
                               : *m_boxes.shownBox;
    target.loadFile(ContentFolder::file(state.CurrentFileName));
}

void ReferenceProducer::letEventsRun()
{
    if (m_letEventsRun)
        m_letEventsRun();
}
