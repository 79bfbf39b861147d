#include "core/rtf/RtfFormats.h"

#include <QFont>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <QTextImageFormat>

namespace Rtf {

namespace {
constexpr int MinListIndent = 360; // twips
} // namespace

void setTabStops(QTextBlockFormat &format, const std::vector<TabStop> &tabs)
{
    static constexpr QTextOption::TabType Types[] = {QTextOption::LeftTab, QTextOption::CenterTab,
                                                     QTextOption::RightTab, QTextOption::DelimiterTab};
    QList<QTextOption::Tab> positions;
    QList<int> leaders;
    for (const TabStop &tab : tabs) {
        const QChar delimiter = tab.kind == TabStop::Decimal ? QLatin1Char('.') : QChar();
        positions << QTextOption::Tab(twipsToPixels(tab.position), Types[tab.kind], delimiter);
        leaders << int(tab.leader);
    }
    format.setTabPositions(positions);
    if (std::any_of(leaders.begin(), leaders.end(), [](int leader) { return leader != TabStop::None; }))
        format.setProperty(TabLeadersProperty, QVariant::fromValue(leaders));
}

std::vector<TabStop> tabStops(const QTextBlockFormat &format)
{
    const QList<QTextOption::Tab> positions = format.tabPositions();
    const QList<int> leaders = format.property(TabLeadersProperty).value<QList<int>>();
    std::vector<TabStop> tabs;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        TabStop tab;
        tab.position = static_cast<int>(std::lround(positions[i].position * 15));
        switch (positions[i].type) {
        case QTextOption::CenterTab: tab.kind = TabStop::Centre; break;
        case QTextOption::RightTab: tab.kind = TabStop::Right; break;
        case QTextOption::DelimiterTab: tab.kind = TabStop::Decimal; break;
        default: break;
        }
        tab.leader = TabStop::Leader(std::clamp(leaders.value(i), 0, int(TabStop::Equals)));
        tabs.push_back(tab);
    }
    return tabs;
}

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
    const bool listItem = state.list > 0 || state.numberStyle != 0;
    // A list item's marker stands in its hanging indent, left of the text.
    const int leftIndent = listItem ? std::max(state.leftIndent, MinListIndent) : state.leftIndent;
    if (leftIndent)
        format.setLeftMargin(twipsToPixels(leftIndent));
    if (state.rightIndent)
        format.setRightMargin(twipsToPixels(state.rightIndent));
    if (state.firstLineIndent && !(listItem && state.firstLineIndent < 0))
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
    if (!state.tabs.empty())
        setTabStops(format, state.tabs);
    return format;
}

} // namespace Rtf
