#include "components/rtf/RtfContent.h"

#include "components/rtf/RtfFormats.h"

#include <QTextCursor>

namespace Rtf {

void Content::appendText(QStringView text, int charFormat)
{
    if (text.isEmpty())
        return;
    if (!blockIsEmpty() && m_runs.back().format == charFormat) {
        m_runs.back().length += text.size();
    } else {
        m_runs.push_back({m_text.size(), text.size(), charFormat});
    }
    m_text += text;
}

void Content::endBlock(int blockFormat, int charFormat)
{
    m_blocks.push_back({m_runs.size(), blockFormat, charFormat});
    m_blockStartRun = m_runs.size();
}

void Content::insertInto(QTextCursor &cursor, const Formats &formats, int lastBlockFormat, int lastCharFormat,
                         bool formatFirstBlock) const
{
    std::vector<Block> blocks = m_blocks;
    blocks.push_back({m_runs.size(), lastBlockFormat, lastCharFormat});

    std::size_t run = 0;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block &block = blocks[b];
        const QTextBlockFormat &blockFormat = formats.blockFormatAt(block.format);
        const QTextCharFormat &charFormat = formats.charFormatAt(block.charFormat);
        if (b > 0) {
            cursor.insertBlock(blockFormat, charFormat);
        } else if (formatFirstBlock) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(charFormat);
        }
        for (; run < block.endRun; ++run) {
            const Run &r = m_runs[run];
            cursor.insertText(m_text.mid(r.start, r.length), formats.charFormatAt(r.format));
        }
    }
}

} // namespace Rtf
