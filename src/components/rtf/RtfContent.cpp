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

void Content::insertInto(QTextCursor &cursor, const Formats &formats, int lastBlockFormat, int lastCharFormat,
                         bool formatFirstBlock) const
{
    std::vector<Block> blocks = m_blocks;
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
