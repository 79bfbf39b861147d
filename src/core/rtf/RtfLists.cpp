#include "core/rtf/RtfLists.h"

#include <QTextBlock>
#include <QTextList>

#include <algorithm>

namespace Rtf {

namespace {

constexpr std::size_t MaxLists = 4096;
constexpr qsizetype MaxLevelText = 64;

QTextListFormat::Style styleOfFormat(int nfc)
{
    switch (nfc) {
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case 23:
    case 255: return QTextListFormat::ListDisc;
    default: return QTextListFormat::ListDecimal;
    }
}

QTextListFormat::Style bulletStyle(QChar bullet)
{
    switch (bullet.unicode()) {
    case u'o':
    case 0x25E6:
    case 0x25CB: return QTextListFormat::ListCircle;
    case 0x25AA:
    case 0x25A0:
    case 0xA7: return QTextListFormat::ListSquare;
    default: return QTextListFormat::ListDisc;
    }
}

} // namespace

QTextListFormat listFormat(int id, int level, const ListLevelStyle &style)
{
    QTextListFormat format;
    format.setStyle(style.style);
    format.setIndent(0); // the paragraphs' own indents place the items
    format.setNumberPrefix(style.prefix);
    format.setNumberSuffix(style.suffix);
    format.setProperty(ListProperty::Id, id);
    format.setProperty(ListProperty::Level, level);
    if (style.start != 1)
        format.setProperty(ListProperty::Start, style.start);
    return format;
}

int listStart(const QTextListFormat &format)
{
    return format.hasProperty(ListProperty::Start) ? format.intProperty(ListProperty::Start) : 1;
}

int listNumber(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    return list ? list->itemNumber(block) + listStart(list->format()) : 0;
}

void ListTable::setListId(int id)
{
    if (!m_lists.empty())
        m_lists.back().id = id;
}

void ListTable::beginLevel()
{
    if (!m_lists.empty() && m_lists.back().levels.size() < MaxLevels)
        m_lists.back().levels.push_back({});
}

ListTable::Level *ListTable::currentLevel()
{
    if (m_lists.empty() || m_lists.back().levels.empty())
        return nullptr;
    return &m_lists.back().levels.back();
}

void ListTable::setLevelFormat(int nfc)
{
    if (Level *level = currentLevel())
        level->nfc = nfc;
}

void ListTable::setLevelStart(int start)
{
    if (Level *level = currentLevel())
        level->start = std::clamp(start, 0, 32767);
}

void ListTable::addLevelText(QChar c)
{
    if (Level *level = currentLevel(); level && level->text.size() < MaxLevelText)
        level->text += c;
}

void ListTable::setOverrideListId(int id)
{
    if (!m_overrides.empty())
        m_overrides.back().listId = id;
}

void ListTable::setOverrideNumber(int ls)
{
    if (!m_overrides.empty())
        m_overrides.back().number = ls;
    if (m_overrides.size() > MaxLists)
        m_overrides.pop_back();
}

std::optional<ListLevelStyle> ListTable::style(int ls, int levelIndex) const
{
    const auto override = std::find_if(m_overrides.begin(), m_overrides.end(),
                                       [ls](const Override &o) { return o.number == ls; });
    if (override == m_overrides.end())
        return std::nullopt;
    const auto list = std::find_if(m_lists.begin(), m_lists.end(),
                                   [override](const List &l) { return l.id == override->listId; });
    if (list == m_lists.end() || list->levels.empty())
        return std::nullopt;
    const Level &level = list->levels[std::size_t(std::clamp(levelIndex, 0, int(list->levels.size()) - 1))];
    ListLevelStyle style;
    style.start = level.start;
    // The text after its length character: a bullet, or the number's placeholder between its prefix and suffix.
    const QString text = level.text.mid(1, level.text.isEmpty() ? 0 : level.text.at(0).unicode());
    if (level.nfc == 23 || level.nfc == 255) {
        style.style = bulletStyle(text.isEmpty() ? QChar(0x2022) : text.at(0));
        return style;
    }
    style.style = styleOfFormat(level.nfc);
    const QChar own(char16_t(std::clamp(levelIndex, 0, MaxLevels - 1)));
    const qsizetype at = text.lastIndexOf(own);
    if (at >= 0) {
        // Numbers of the levels above ("1.2.") are not shown: Qt numbers each level alone.
        const QString before = text.left(at);
        const bool nested = std::any_of(before.begin(), before.end(), [](QChar c) { return c.unicode() < MaxLevels; });
        style.prefix = nested ? QString() : before;
        style.suffix = text.mid(at + 1);
    }
    return style;
}

ListLevelStyle numberingStyle(int style, int start)
{
    ListLevelStyle level;
    level.style = QTextListFormat::Style(style);
    level.start = start;
    return level;
}

} // namespace Rtf
