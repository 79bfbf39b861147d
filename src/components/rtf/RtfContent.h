#pragma once

#include "components/rtf/RtfPicture.h"

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
// text) text takes the format of the run before it.
class Content
{
public:
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

    // Inserts the paragraphs at the cursor; the first one continues the cursor's block and takes
    // its formats only when `formatFirstBlock` is set.
    void insertInto(QTextCursor &cursor, const Formats &formats, int lastBlockFormat, int lastCharFormat,
                    bool formatFirstBlock) const;

private:
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
};

} // namespace Rtf
