#pragma once

#include "core/rtf/RtfPicture.h"
#include "core/rtf/RtfState.h"
#include "core/rtf/RtfTables.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <unordered_map>
#include <vector>

namespace Rtf {

// Turns RTF character and paragraph states into Qt formats, each distinct state once, numbered.
// States that differ only in font or colour indexes outside their tables share one format, and a
// document holds at most MaxCharFormats of them: beyond that, text keeps the format before it.
class Formats
{
public:
    static constexpr std::size_t MaxCharFormats = 10000;

    Formats(const FontTable &fonts, const ColorTable &colors) : m_fonts(fonts), m_colors(colors) {}

    int charFormat(const CharState &state);
    int blockFormat(const ParaState &state);
    // A picture's own format (never shared): its resource name and size in the run's format.
    int imageFormat(const Picture &picture, const CharState &state);
    const QTextCharFormat &charFormatAt(int id) const { return m_charFormats[std::size_t(id)]; }
    const QTextBlockFormat &blockFormatAt(int id) const { return m_blockFormats[std::size_t(id)]; }
    const ColorTable &colors() const { return m_colors; }
    // The font or colour table changed: states map anew from here on.
    void tablesChanged();
    std::size_t charFormatCount() const { return m_charFormatCount; }
    // Some text took the format before it because the document had too many.
    bool simplified() const { return m_simplified; }

private:
    CharState shownState(const CharState &state) const;
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
    std::size_t m_charFormatCount = 0; // made so far, whatever the tables
    bool m_simplified = false;
};

// Tab stops of a block format, with their leaders kept in TabLeadersProperty, and back.
constexpr int TabLeadersProperty = QTextFormat::UserProperty + 0x200;
void setTabStops(QTextBlockFormat &format, const std::vector<TabStop> &tabs);
std::vector<TabStop> tabStops(const QTextBlockFormat &format);

// The empty paragraph between two pieces of one long table (see TablePieceCells) carries this property.
constexpr int TableJoinProperty = QTextFormat::UserProperty + 0x220;

// Twips to the pixel lengths of QTextFormat (96 per inch) and back.
inline double twipsToPixels(int twips) { return twips / 15.0; }

} // namespace Rtf
