// The reader's words for tables, list items and tab stops.
#include "core/rtf/RtfReader.h"

#include <algorithm>

namespace Rtf {

namespace {
constexpr std::size_t MaxTabStops = 64;
constexpr int MaxTabPosition = 31680; // twips: 22 inches
} // namespace

void Reader::layoutWord(const Keyword &keyword, const Token &token)
{
    switch (keyword.kind) {
    case Keyword::RowDefaults: m_rowDef.reset(); break;
    case Keyword::CellBoundary: m_rowDef.endCell(token.param); break;
    case Keyword::CellBorder: m_rowDef.selectCellBorder(CellDef::Side(keyword.value)); break;
    case Keyword::RowBorder: m_rowDef.selectRowBorder(CellDef::Side(keyword.value)); break;
    case Keyword::BorderStyle: m_rowDef.setBorderStyle(keyword.value != 0); break;
    case Keyword::BorderWidth: m_rowDef.setBorderWidth(token.param); break;
    case Keyword::BorderColor: m_rowDef.setBorderColor(token.param); break;
    case Keyword::CellShading: m_rowDef.setShading(token.param); break;
    case Keyword::CellMerge: m_rowDef.setMerge(keyword.value >= 4, CellDef::Merge(keyword.value % 4)); break;
    case Keyword::CellVerticalAlign: m_rowDef.setVerticalAlign(CellDef::VerticalAlign(keyword.value)); break;
    case Keyword::RowLeft: m_rowDef.setLeft(std::clamp(token.param, -MaxTabPosition, MaxTabPosition)); break;
    case Keyword::RowGap: m_rowDef.setGap(std::clamp(token.param, 0, 1440)); break;
    case Keyword::RowAlign: m_rowDef.setAlign(RowDef::Align(keyword.value)); break;
    // A table inside a cell is read as paragraphs of that cell.
    case Keyword::NestedCell: endBlock(); break;
    case Keyword::NestedRow: break;
    case Keyword::ListNumber: m_state.para.list = std::max(token.param, 0); break;
    case Keyword::ListLevelNumber: m_state.para.listLevel = std::clamp(token.param, 0, ListTable::MaxLevels - 1); break;
    case Keyword::TabKind: m_pendingTab.kind = TabStop::Kind(keyword.value); break;
    case Keyword::TabLeader: m_pendingTab.leader = TabStop::Leader(keyword.value); break;
    case Keyword::TabPosition:
        if (m_state.para.tabs.size() < MaxTabStops) {
            m_pendingTab.position = std::clamp(token.param, 0, MaxTabPosition);
            auto &tabs = m_state.para.tabs;
            tabs.insert(std::upper_bound(tabs.begin(), tabs.end(), m_pendingTab,
                                         [](const TabStop &a, const TabStop &b) { return a.position < b.position; }),
                        m_pendingTab);
        }
        m_pendingTab = {};
        break;
    default: break;
    }
    if (keyword.kind == Keyword::RowDefaults || keyword.kind == Keyword::CellBoundary)
        m_pendingTab = {};
}

void Reader::listTableWord(const Keyword &keyword, const Token &token)
{
    const bool overrides = m_state.destination == Destination::ListOverrideTable;
    switch (keyword.kind) {
    case Keyword::List: m_lists.beginList(); break;
    case Keyword::ListLevel: m_lists.beginLevel(); break;
    case Keyword::LevelFormat: m_lists.setLevelFormat(token.param); break;
    case Keyword::LevelStart: m_lists.setLevelStart(token.param); break;
    case Keyword::ListId:
        if (overrides)
            m_lists.setOverrideListId(token.param);
        else
            m_lists.setListId(token.param);
        break;
    case Keyword::ListOverride: m_lists.beginOverride(); break;
    case Keyword::ListNumber:
        if (overrides)
            m_lists.setOverrideNumber(token.param);
        break;
    case Keyword::Unicode:
        if (m_state.destination == Destination::LevelText) {
            m_lists.addLevelText(QChar(char16_t(token.param < 0 ? token.param + 65536 : token.param)));
            m_fallbackToSkip = m_state.unicodeSkip;
        }
        break;
    default: break;
    }
}

void Reader::numberingWord(const Keyword &keyword, const Token &token)
{
    switch (keyword.kind) {
    case Keyword::NumberLevel:
        if (keyword.value < 0) {
            m_numbering.numberStyle = QTextListFormat::ListDisc;
            m_numbering.numberLevel = 0;
        } else {
            m_numbering.numberLevel = keyword.value == 0 ? 0 : std::clamp(token.param - 1, 0, ListTable::MaxLevels - 1);
        }
        break;
    case Keyword::NumberStyle:
        if (m_numbering.numberStyle != QTextListFormat::ListDisc)
            m_numbering.numberStyle = keyword.value;
        break;
    case Keyword::NumberStart: m_numbering.numberStart = std::clamp(token.param, 0, 32767); break;
    default: break;
    }
}

void Reader::endCell()
{
    if (m_state.destination != Destination::Text)
        return;
    if (m_flatCells || !m_content.takesCells()) {
        if (std::exchange(m_pendingCellTab, true))
            appendText(u'\t'); // the cell before was empty
        m_flatCells = true;
        return;
    }
    endBlock(true);
    m_content.endCell();
}

void Reader::endRow()
{
    if (m_state.destination != Destination::Text)
        return;
    if (m_flatCells) {
        endBlock();
        return;
    }
    // Text or paragraphs after the last \cell make one more cell.
    if (!m_content.blockIsEmpty() || m_content.hasOpenCell())
        endCell();
    m_content.endRow(m_rowDef.row());
}

bool Reader::paragraphIsListItem() const
{
    const ParaState &para = m_state.para;
    return para.numberStyle != 0 || (para.list > 0 && m_lists.style(para.list, para.listLevel));
}

void Reader::resolveListFallback()
{
    if (m_listFallback.isEmpty())
        return;
    const QString text = std::exchange(m_listFallback, QString());
    if (!paragraphIsListItem())
        m_content.appendText(text, m_listFallbackFormat);
}

void Reader::noteBlockList()
{
    const ParaState &para = m_state.para;
    if (para.list > 0) {
        if (const auto style = m_lists.style(para.list, para.listLevel))
            m_content.setBlockList(para.list, para.listLevel, *style);
    } else if (para.numberStyle != 0) {
        m_content.setBlockList(-1, para.numberLevel, numberingStyle(para.numberStyle, para.numberStart));
    }
}

} // namespace Rtf
