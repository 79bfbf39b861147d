#include "core/rtf/RtfContent.h"

#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfPicture.h"

#include <algorithm>

namespace Rtf {

namespace {
// Control characters other than the tab have no place in the text.
bool isDropped(QChar c) { return c.unicode() < 0x20 && c != u'\t'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
} // namespace

void Content::appendText(QStringView text, int charFormat)
{
    if (std::any_of(text.begin(), text.end(), isDropped)) {
        QString kept = text.toString();
        kept.removeIf(isDropped);
        appendText(kept, charFormat);
        return;
    }
    while (const std::optional<qsizetype> cut = splitPoint(text)) {
        appendRun(text.first(*cut), charFormat);
        splitBlock();
        text = text.sliced(*cut);
    }
    appendRun(text, charFormat);
}

void Content::appendRun(QStringView text, int charFormat)
{
    if (text.isEmpty())
        return;
    const auto lastBlank = std::find_if(text.rbegin(), text.rend(), isBlank);
    m_wordLength = lastBlank == text.rend() ? m_wordLength + text.size() : lastBlank - text.rbegin();
    if (!blockIsEmpty() && !m_runs.back().picture) {
        Run &last = m_runs.back();
        const bool full = m_runs.size() - m_blockStartRun >= MaxBlockRuns || m_runs.size() >= MaxRuns;
        if (last.format == charFormat || full) {
            m_simplified = m_simplified || last.format != charFormat;
            last.length += text.size();
            m_text += text;
            return;
        }
    }
    m_runs.push_back({m_text.size(), text.size(), charFormat});
    m_text += text;
}

// Where text added to the paragraph splits it: before the first word that starts past SplitLength,
// or inside a word that reaches MaxWordLength; nothing when the paragraph stays short enough. A split
// waits for the character after it, so that no paragraph is left empty.
std::optional<qsizetype> Content::splitPoint(QStringView text) const
{
    qsizetype length = m_text.size() - m_blockStartText;
    qsizetype word = m_wordLength;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool blank = isBlank(text[i]);
        if (!blank && (word >= MaxWordLength || (word == 0 && length >= SplitLength)))
            return i;
        ++length;
        word = blank ? 0 : word + 1;
    }
    return std::nullopt;
}

void Content::splitBlock()
{
    m_blocks.push_back({m_runs.size(), SplitPiece, SplitPiece});
    m_blockStartRun = m_runs.size();
    m_blockStartText = m_text.size();
    m_wordLength = 0;
    m_simplified = true;
}

void Content::appendPicture(const Picture &picture, int imageFormat)
{
    m_pictures.push_back(picture);
    const QChar object = QChar::ObjectReplacementCharacter;
    m_runs.push_back({m_text.size(), 1, imageFormat, true});
    m_text += object;
    m_wordLength = 0; // a line may break beside a picture
}

void Content::endBlock(int blockFormat, int charFormat)
{
    m_blocks.push_back({m_runs.size(), blockFormat, charFormat});
    m_blockStartRun = m_runs.size();
    m_blockStartText = m_text.size();
    m_wordLength = 0;
}

void Content::setBlockList(int key, int level, const ListLevelStyle &style)
{
    const std::size_t block = m_blocks.size();
    if (!m_lists.empty() && m_lists.back().block == block)
        m_lists.back() = {block, key, level, style};
    else
        m_lists.push_back({block, key, level, style});
}

void Content::endBlockOutsideTable()
{
    endTable();
    if (!m_tables.empty())
        m_tables.back().continues = false; // the table ended here
    m_cellStart = m_blocks.size();
}

void Content::endCell()
{
    if (!m_tableOpen) {
        m_tables.push_back({m_cellStart, {}});
        m_tableOpen = true;
    }
    // A row has at most MaxCells cells: paragraphs of further cells join its last.
    if (m_openRow.size() >= RowDefBuilder::MaxCells)
        m_openRow.back() = m_blocks.size();
    else {
        m_openRow.push_back(m_blocks.size());
        ++m_tableCells;
    }
    m_cellStart = m_blocks.size();
}

void Content::endRow(const RowDef &def)
{
    if (m_openRow.empty())
        return;
    if (m_rowDefs.empty() || !(m_rowDefs.back() == def))
        m_rowDefs.push_back(def);
    TableRecord &table = m_tables.back();
    table.cells += m_openRow.size();
    table.rows.push_back({m_rowDefs.size() - 1, std::move(m_openRow)});
    m_openRow.clear();
    if (table.cells >= TablePieceCells) {
        table.continues = true;
        m_tableOpen = false;
    }
}

void Content::endTable()
{
    if (!m_openRow.empty())
        endRow(m_rowDefs.empty() ? RowDef{} : m_rowDefs.back());
    if (m_tableOpen && m_tables.back().rows.empty())
        m_tables.pop_back();
    m_tableOpen = false;
}

} // namespace Rtf
