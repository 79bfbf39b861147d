#include "components/rtf/RtfFormats.h"

#include <QFont>
#include <QTextImageFormat>

namespace Rtf {

int Formats::charFormat(const CharState &state)
{
    if (m_lastCharId >= 0 && state == m_lastChar)
        return m_lastCharId;
    const CharState shown = shownState(state);
    auto found = m_charIds.find(shown);
    if (found == m_charIds.end()) {
        if (m_charFormatCount >= MaxCharFormats && m_lastCharId >= 0) {
            m_simplified = true;
            return m_lastCharId;
        }
        ++m_charFormatCount;
        m_charFormats.push_back(toCharFormat(shown));
        found = m_charIds.emplace(shown, static_cast<int>(m_charFormats.size() - 1)).first;
    }
    m_lastChar = state;
    m_lastCharId = found->second;
    return m_lastCharId;
}

int Formats::blockFormat(const ParaState &state)
{
    auto found = m_blockIds.find(state);
    if (found == m_blockIds.end()) {
        m_blockFormats.push_back(toBlockFormat(state));
        found = m_blockIds.emplace(state, static_cast<int>(m_blockFormats.size() - 1)).first;
    }
    return found->second;
}

int Formats::imageFormat(const Picture &picture, const CharState &state)
{
    QTextImageFormat format;
    format.merge(toCharFormat(state));
    format.setName(picture.name);
    format.setWidth(picture.width);
    format.setHeight(picture.height);
    m_charFormats.push_back(format);
    return static_cast<int>(m_charFormats.size() - 1);
}

void Formats::tablesChanged()
{
    m_charIds.clear();
    m_lastCharId = -1;
}

// The state as far as it shows: indexes outside the font and colour tables read as none.
CharState Formats::shownState(const CharState &state) const
{
    CharState shown = state;
    if (!m_fonts.find(shown.font))
        shown.font = -1;
    if (!m_colors.color(shown.foreground))
        shown.foreground = 0;
    if (shown.background <= 0 || !m_colors.color(shown.background))
        shown.background = 0;
    shown.hidden = false; // hidden text is never emitted
    return shown;
}

QTextCharFormat Formats::toCharFormat(const CharState &state) const
{
    QTextCharFormat format;
    if (const FontEntry *font = m_fonts.find(state.font); font && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(state.halfPoints / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strike);
    if (const auto color = m_colors.color(state.foreground))
        format.setForeground(*color);
    if (const auto color = state.background > 0 ? m_colors.color(state.background) : std::nullopt)
        format.setBackground(*color);
    if (state.verticalAlign == CharState::Superscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (state.verticalAlign == CharState::Subscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat Formats::toBlockFormat(const ParaState &state)
{
    QTextBlockFormat format;
    switch (state.align) {
    case ParaState::Left: format.setAlignment(Qt::AlignLeft); break;
    case ParaState::Centre: format.setAlignment(Qt::AlignHCenter); break;
    case ParaState::Right: format.setAlignment(Qt::AlignRight); break;
    case ParaState::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    if (state.leftIndent)
        format.setLeftMargin(twipsToPixels(state.leftIndent));
    if (state.rightIndent)
        format.setRightMargin(twipsToPixels(state.rightIndent));
    if (state.firstLineIndent)
        format.setTextIndent(twipsToPixels(state.firstLineIndent));
    if (state.spaceBefore)
        format.setTopMargin(twipsToPixels(state.spaceBefore));
    if (state.spaceAfter)
        format.setBottomMargin(twipsToPixels(state.spaceAfter));
    if (state.lineSpacing > 0 && state.lineMultiple)
        format.setLineHeight(state.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else if (state.lineSpacing > 0)
        format.setLineHeight(twipsToPixels(state.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (state.lineSpacing < 0)
        format.setLineHeight(twipsToPixels(-state.lineSpacing), QTextBlockFormat::FixedHeight);
    return format;
}

} // namespace Rtf
