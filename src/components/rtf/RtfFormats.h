#pragma once

#include "components/rtf/RtfPicture.h"
#include "components/rtf/RtfState.h"
#include "components/rtf/RtfTables.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <unordered_map>
#include <vector>

namespace Rtf {

// Turns RTF character and paragraph states into Qt formats, each distinct state once, numbered.
class Formats
{
public:
    Formats(const FontTable &fonts, const ColorTable &colors) : m_fonts(fonts), m_colors(colors) {}

    int charFormat(const CharState &state);
    int blockFormat(const ParaState &state);
    // A picture's own format (never shared): its resource name and size in the run's format.
    int imageFormat(const Picture &picture, const CharState &state);
    const QTextCharFormat &charFormatAt(int id) const { return m_charFormats[std::size_t(id)]; }
    const QTextBlockFormat &blockFormatAt(int id) const { return m_blockFormats[std::size_t(id)]; }
    // The font or colour table changed: states map anew from here on.
    void tablesChanged();

private:
    QTextCharFormat toCharFormat(const CharState &state) const;
    static QTextBlockFormat toBlockFormat(const ParaState &state);

    const FontTable &m_fonts;
    const ColorTable &m_colors;
    std::unordered_map<CharState, int, CharStateHash> m_charIds;
    std::unordered_map<ParaState, int, ParaStateHash> m_blockIds;
    std::vector<QTextCharFormat> m_charFormats;
    std::vector<QTextBlockFormat> m_blockFormats;
    CharState m_lastChar;
    int m_lastCharId = -1;
};

// Twips to the pixel lengths of QTextFormat (96 per inch) and back.
inline double twipsToPixels(int twips) { return twips / 15.0; }

} // namespace Rtf
