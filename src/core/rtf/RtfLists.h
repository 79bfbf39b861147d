#pragma once

#include <QString>
#include <QTextFormat>
#include <QTextListFormat>

#include <optional>
#include <unordered_map>
#include <vector>

class QTextBlock;
class QTextList;

namespace Rtf {

// Properties of a list format beyond Qt's own: the list a level belongs to, its level, its first number.
namespace ListProperty {
constexpr int Id = QTextFormat::UserProperty + 0x210;
constexpr int Level = QTextFormat::UserProperty + 0x211;
// Qt's own start property, used by its list numbering from Qt 6.6 on.
constexpr int Start = 0x3004;
}

// One level of a list: how its items are marked.
struct ListLevelStyle {
    QTextListFormat::Style style = QTextListFormat::ListDisc;
    int start = 1;
    QString prefix;
    QString suffix = QStringLiteral(".");
    bool operator==(const ListLevelStyle &) const = default;
};

// The list format of `level` of list `id`, with the extra properties above.
QTextListFormat listFormat(int id, int level, const ListLevelStyle &style);
// The first number of a list (1 unless the list says otherwise).
int listStart(const QTextListFormat &format);
// The number `block` shows in its list, counting from the list's start.
int listNumber(const QTextBlock &block);

// \listtable and \listoverridetable: list definitions by \listid, overrides by \ls.
class ListTable
{
public:
    static constexpr int MaxLevels = 9;

    void beginList() { m_lists.push_back({}); }
    void setListId(int id);
    void beginLevel();
    void setLevelFormat(int nfc);
    void setLevelStart(int start);
    // \leveltext: its first character is the length, then text with level placeholders 0–8.
    void addLevelText(QChar c);

    void beginOverride() { m_overrides.push_back({}); }
    void setOverrideListId(int id);
    void setOverrideNumber(int ls);

    // The style of level `level` of override `ls`, if the override names a known list.
    std::optional<ListLevelStyle> style(int ls, int level) const;

private:
    struct Level {
        int nfc = 0;
        int start = 1;
        QString text;
    };
    struct List {
        int id = 0;
        std::vector<Level> levels;
    };
    struct Override {
        int listId = 0;
        int number = 0;
    };

    Level *currentLevel();

    std::vector<List> m_lists;
    std::vector<Override> m_overrides;
};

// Style of an old-style paragraph number (\pnlvlblt, \pndec …).
ListLevelStyle numberingStyle(int style, int start);

} // namespace Rtf
