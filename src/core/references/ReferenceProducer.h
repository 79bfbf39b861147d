#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "core/references/ReferenceText.h"

class ReferenceBox;

// Which reference view of the work area is selected.
enum class ReferenceView { None, RuleText, References, AdditionalInformation };

// The work area's state that the producers read and write.
struct ReferenceState
{
    static constexpr qint16 reportMode = -999;

    qint16 CurrentCategory = 0;
    qint16 CurrentItemTab = 0;
    // reportMode: fill the buffer only, without highlighting; anything else: view mode.
    qint16 modeFlag = 0;
    ReferenceView selectedView = ReferenceView::None;
    // Set back to 0 after a built text is shown, so that showing it never counts as an edit.
    qint16 EntryChanged = 0;
    QString CurrentFileName;
};

// The boxes the texts go to: the reference buffers (rule text, references, additional information)
// and the main text box.
struct ReferenceBoxes
{
    std::array<ReferenceBox *, 3> buffers{};
    ReferenceBox *shownBox = nullptr;
};

// Produces the rule text, the references and the additional information of the selected item.
class ReferenceProducer
{
public:
    // `letEventsRun` lets pending window events run where a step allows it.
    explicit ReferenceProducer(ReferenceBoxes boxes, std::function<void()> letEventsRun = {});

    // Empties the three reference buffers.
    void clearBuffers();

    void produceRuleText(ReferenceState &state);
    void produceReferences(ReferenceState &state);
    void produceAdditionalInformation(ReferenceState &state);

    // The item whose texts a category and inner tab show: 1..47, 15 for the sample, -1 for none.
    static int itemNumber(int category, int tab);

private:
    // The amendment marks are set in both modes; the phrase is highlighted in view mode only.
    void showBuilt(ReferenceState &state, int buffer, const QString &text, const char *phrase,
                   ReferenceView view, const std::vector<ReferenceText::Mark> &marks = {});
    void showFile(ReferenceState &state, int buffer, const char *name);
    void letEventsRun();

    ReferenceBoxes m_boxes;
    std::function<void()> m_letEventsRun;
};
