#pragma once

#include "components/rtf/RtfPicture.h"

#include <QString>
#include <QStringView>

#include <vector>

class QTextCursor;

namespace Rtf {

class Formats;

// The text read from RTF: paragraphs of runs of equal format, kept until the whole input has
// been read so that a failed read never touches the document.
class Content
{
public:
    void appendText(QStringView text, int charFormat);
    void appendPicture(const Picture &picture, int imageFormat);
    void endBlock(int blockFormat, int charFormat);
    bool blockIsEmpty() const { return m_runs.size() == m_blockStartRun; }
    qsizetype textLength() const { return m_text.size(); }

    // Inserts the paragraphs at the cursor; the first one continues the cursor's block and takes
    // its formats only when `formatFirstBlock` is set.
    void insertInto(QTextCursor &cursor, const Formats &formats, int lastBlockFormat, int lastCharFormat,
                    bool formatFirstBlock) const;

private:
    struct Run {
        qsizetype start;
        qsizetype length;
        int format;
    };
    struct Block {
        std::size_t endRun;
        int format;
        int charFormat;
    };

    QString m_text;
    std::vector<Run> m_runs;
    std::vector<Block> m_blocks;
    std::vector<Picture> m_pictures;
    std::size_t m_blockStartRun = 0;
};

} // namespace Rtf
