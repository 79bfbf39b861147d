#include "components/rtf/RtfContent.h"

#include "components/rtf/RtfFormats.h"
#include "components/rtf/RtfPicture.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace Rtf {

namespace {
// Control characters other than the tab have no place in the text.
bool isDropped(QChar c) { return c.unicode() < 0x20 && c != u'\t'; }
} // namespace

void Content::appendText(QStringView text, int charFormat)
{
    if (std::any_of(text.begin(), text.end(), isDropped)) {
        QString kept = text.toString();
        kept.removeIf(isDropped);
        appendText(kept, charFormat);
        return;
    }
    if (text.isEmpty())
        return;
    if (!blockIsEmpty() && m_runs.back().format == charFormat) {
        m_runs.back().length += text.size();
    } else {
        m_runs.push_back({m_text.size(), text.size(), charFormat});
    }
    m_text += text;
}

void Content::appendPicture(const Picture &picture, int imageFormat)
{
    m_pictures.push_back(picture);
    const QChar object = QChar::ObjectReplacementCharacter;
    m_runs.push_back({m_text.size(), 1, imageFormat});
    m_text += object;
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

    // One edit block: the cursor then skips laying out its line after every insertion.
    cursor.beginEditBlock();
    for (const Picture &picture : m_pictures) {
        QTextDocument &document = *cursor.document();
        document.addResource(QTextDocument::ImageResource, QUrl(picture.name), picture.image);
        document.addResource(QTextDocument::UserResource, pictureBytesUrl(picture.name), picture.data);
    }
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
    cursor.endEditBlock();
}

} // namespace Rtf
