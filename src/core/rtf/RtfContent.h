#pragma once

#include "core/rtf/RtfLists.h"
#include "core/rtf/RtfPicture.h"
#include "core/rtf/RtfTableModel.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class QTextCursor;

namespace Rtf {

class Formats;

// The text read from RTF: paragraphs of runs of equal format, kept until the whole input has
// been read so that a failed read never touches the document.
//
// Every character is kept, but paragraphs are held to what Qt lays out quickly: one longer than
// SplitLength is split after its next blank, a word (characters without a blank) is split after
// MaxWordLength characters, and beyond MaxBlockRuns runs in a paragraph (or MaxRuns in the whole
// text) text takes the format of the run before it. Tables keep at most MaxTableCells cells.
class Content
{
public:
    static constexpr std::size_t MaxTableCells = 50000;
    static constexpr qsizetype SplitLength = 8000;
    static constexpr qsizetype MaxWordLength = 1000;
    static constexpr std::size_t MaxBlockRuns = 1000;
    static constexpr std::size_t MaxRuns = 100000;

    void appendText(QStringView text, int charFormat);
    void appendPicture(const Picture &picture, int imageFormat);
    void endBlock(int blockFormat, int charFormat);
    bool blockIsEmpty() const { return m_runs.size() == m_blockStartRun; }
    qsizetype textLength() const { return m_text.size(); }
    // A paragraph was split or runs were merged.
    bool simplified() const { return m_simplified; }

    // The paragraph being read is an item of a list; `key` tells lists apart, `level` counts from 0.
    void setBlockList(int key, int level, const ListLevelStyle &style);

    // Table structure. A paragraph ended outside a table ends any open table; the paragraphs ended
    // since then, or since the last cell, form the next cell.
    void endBlockOutsideTable();
    void endCell();
    // False once the tables hold MaxTableCells cells; the reader then keeps further rows as lines of
    // cells apart by tabs, and the formatting counts as simplified.
    bool takesCells() { return m_tableCells < MaxTableCells || !(m_simplified = true); }
    // Paragraphs ended since the last cell end.
    bool hasOpenCell() const { return m_cellStart < m_blocks.size(); }
    // The cells since the last row end form a row laid out by `def`.
    void endRow(const RowDef &def);

    // Inserts the paragraphs at the cursor; the first one continues the cursor's block and takes
    // its formats only when `formatFirstBlock` is set. Ends an open table first.
    void insertInto(QTextCursor &cursor, const Formats &formats, int lastBlockFormat, int lastCharFormat,
                    bool formatFirstBlock);

private:
    struct BlockList {
        std::size_t block;
        int key;
        int level;
        ListLevelStyle style;
    };
    class Inserter;

    void endTable();

    struct Run {
        qsizetype start;
        qsizetype length;
        int format;
        bool picture = false;
    };
    // A paragraph, or a piece of one that was split (formats SplitPiece: those of the paragraph).
    struct Block {
        std::size_t endRun;
        int format;
        int charFormat;
    };
    static constexpr int SplitPiece = -1;

    void appendRun(QStringView text, int charFormat);
    std::optional<qsizetype> splitPoint(QStringView text) const;
    void splitBlock();

    QString m_text;
    std::vector<Run> m_runs;
    std::vector<Block> m_blocks;
    std::vector<Picture> m_pictures;
    std::size_t m_blockStartRun = 0;
    qsizetype m_blockStartText = 0;
    qsizetype m_wordLength = 0; // characters since the paragraph's last blank
    bool m_simplified = false;

    std::vector<BlockList> m_lists;
    std::vector<TableRecord> m_tables;
    std::vector<RowDef> m_rowDefs;
    std::vector<std::size_t> m_openRow; // cell ends of the row being read
    std::size_t m_cellStart = 0;
    std::size_t m_tableCells = 0;
    bool m_tableOpen = false;
};

} // namespace Rtf
