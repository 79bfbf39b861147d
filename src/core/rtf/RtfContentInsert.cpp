// Putting what was read into a document: paragraphs, list items and tables.
#include "core/rtf/RtfContent.h"

#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfTableGrid.h"

#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <map>

namespace Rtf {

class Content::Inserter
{
public:
    Inserter(const Content &content, QTextCursor &cursor, const Formats &formats, std::vector<Block> blocks)
        : m_content(content), m_cursor(cursor), m_formats(formats), m_blocks(std::move(blocks))
    {
    }

    void run(bool formatFirstBlock)
    {
        m_fresh = formatFirstBlock;
        std::size_t table = 0;
        for (std::size_t b = 0; b < m_blocks.size();) {
            const std::vector<TableRecord> &tables = m_content.m_tables;
            if (table < tables.size() && tables[table].firstBlock == b) {
                if (m_fresh && table > 0 && tables[table - 1].continues)
                    joinPieces();
                insertTable(tables[table]);
                b = tables[table++].endBlock();
                continue;
            }
            if (b > 0 && !m_fresh)
                m_cursor.insertBlock(blockFormat(b), charFormat(b));
            else if (m_fresh)
                formatBlock(m_cursor, b);
            m_fresh = false;
            insertRuns(m_cursor, b++);
        }
    }

private:
    const QTextBlockFormat &blockFormat(std::size_t b) const { return m_formats.blockFormatAt(m_blocks[b].format); }
    const QTextCharFormat &charFormat(std::size_t b) const { return m_formats.charFormatAt(m_blocks[b].charFormat); }

    void formatBlock(QTextCursor &cursor, std::size_t b)
    {
        cursor.setBlockFormat(blockFormat(b));
        cursor.setBlockCharFormat(charFormat(b));
    }

    void insertRuns(QTextCursor &cursor, std::size_t b)
    {
        bindList(cursor, b);
        const std::size_t first = b == 0 ? 0 : m_blocks[b - 1].endRun;
        for (std::size_t run = first; run < m_blocks[b].endRun; ++run) {
            const Run &r = m_content.m_runs[run];
            cursor.insertText(m_content.m_text.mid(r.start, r.length), m_formats.charFormatAt(r.format));
        }
    }

    // Items of one list (by key and level) share a QTextList; a new item of a level ends the lists
    // of the levels below it, so that their numbers start again. Old-style numbering (negative keys)
    // ends at the first paragraph outside a list.
    void bindList(QTextCursor &cursor, std::size_t b)
    {
        const std::vector<BlockList> &lists = m_content.m_lists;
        while (m_nextList < lists.size() && lists[m_nextList].block < b)
            ++m_nextList;
        if (m_nextList == lists.size() || lists[m_nextList].block != b) {
            m_open.erase(m_open.begin(), m_open.lower_bound({0, 0}));
            return;
        }
        const BlockList &item = lists[m_nextList];
        m_open.erase(m_open.upper_bound({item.key, item.level}), m_open.lower_bound({item.key + 1, 0}));
        QPointer<QTextList> &list = m_open[{item.key, item.level}];
        const QTextListFormat format = listFormat(item.key, item.level, item.style);
        if (list && list->format() == format)
            list->add(cursor.block());
        else
            list = cursor.createList(format);
    }

    void insertTable(const TableRecord &record)
    {
        const TableGrid grid(record, m_content.m_rowDefs);
        QTextTable *table = m_cursor.insertTable(int(record.rows.size()), grid.columnCount(),
                                                 grid.tableFormat(m_content.m_rowDefs[record.rows.front().def]));
        std::size_t b = record.firstBlock;
        std::vector<bool> filled(std::size_t(table->rows() * table->columns()), false);
        for (std::size_t r = 0; r < record.rows.size(); ++r) {
            const TableRecord::Row &row = record.rows[r];
            const RowDef &def = m_content.m_rowDefs[row.def];
            for (std::size_t c = 0; c < row.cellEnds.size(); ++c) {
                const std::size_t end = row.cellEnds[c];
                const TableGrid::Place place = grid.place(r, c);
                const bool mergedDown = c < def.cells.size() && def.cells[c].vertical == CellDef::Merged;
                QTextTableCell cell = table->cellAt(int(r), place.column);
                if (!((mergedDown || place.span == 0) && isEmptyCell(b, end)))
                    fillCell(cell, filled[std::size_t(int(r) * table->columns() + place.column)], b, end);
                // The cell's format lives on its first paragraph's character format: set it after the text.
                if (place.span > 0 && c < def.cells.size())
                    cell.setFormat(grid.cellFormat(def.cells[c], m_formats.colors()));
                b = end;
            }
        }
        // Merging keeps the text of every cell it joins.
        for (const TableGrid::Merge &merge : grid.merges())
            table->mergeCells(merge.row, merge.column, merge.rows, merge.columns);
        m_cursor.setPosition(table->lastPosition() + 1);
        m_fresh = true;
    }

    // The paragraph between two pieces of a long table takes no room, and the writer leaves it out.
    void joinPieces()
    {
        QTextBlockFormat join;
        join.setProperty(TableJoinProperty, true);
        join.setLineHeight(0, QTextBlockFormat::FixedHeight);
        m_cursor.setBlockFormat(join);
    }

    bool isEmptyCell(std::size_t first, std::size_t end) const
    {
        return end == first + 1 && (first == 0 ? 0 : m_blocks[first - 1].endRun) == m_blocks[first].endRun;
    }

    // The paragraphs [first, end) go into `cell`; a cell filled before (a merged one) gets them after its own.
    void fillCell(const QTextTableCell &cell, std::vector<bool>::reference filled, std::size_t first,
                  std::size_t end)
    {
        QTextCursor cursor = filled ? cell.lastCursorPosition() : cell.firstCursorPosition();
        for (std::size_t b = first; b < end; ++b) {
            if (filled)
                cursor.insertBlock(blockFormat(b), charFormat(b));
            else
                cursor.setBlockFormat(blockFormat(b));
            filled = true;
            insertRuns(cursor, b);
        }
    }

    const Content &m_content;
    QTextCursor &m_cursor;
    const Formats &m_formats;
    std::vector<Block> m_blocks;
    // The document deletes a list whose last item leaves it (a table or another list taking the block).
    std::map<std::pair<int, int>, QPointer<QTextList>> m_open;
    std::size_t m_nextList = 0;
    bool m_fresh = false;
};

void Content::insertInto(QTextCursor &cursor, const Formats &formats, int lastBlockFormat, int lastCharFormat,
                         bool formatFirstBlock)
{
    endTable();
    std::vector<Block> blocks = m_blocks;
    // Text after the last \par is one more paragraph; nothing there is none ("…\par }").
    if (blocks.empty() || !blockIsEmpty())
        blocks.push_back({m_runs.size(), lastBlockFormat, lastCharFormat});
    for (std::size_t b = blocks.size() - 1; b-- > 0;) {
        if (blocks[b].format == SplitPiece) {
            blocks[b].format = blocks[b + 1].format;
            blocks[b].charFormat = blocks[b + 1].charFormat;
        }
    }

    // One edit block: the cursor then skips laying out its line after every insertion.
    cursor.beginEditBlock();
    for (const Picture &picture : m_pictures) {
        QTextDocument &document = *cursor.document();
        document.addResource(QTextDocument::ImageResource, QUrl(picture.name), picture.image);
        document.addResource(QTextDocument::UserResource, pictureBytesUrl(picture.name), picture.data);
    }
    Inserter(*this, cursor, formats, std::move(blocks)).run(formatFirstBlock);
    cursor.endEditBlock();
}

} // namespace Rtf
