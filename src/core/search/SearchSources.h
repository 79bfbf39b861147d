#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/files/Outcome.h"
#include "core/search/SearchIndex.h"

// Where the search's documents come from: named sources, each giving its documents when asked. Every
// source is widget-free, so the index can be built on a worker thread.
class SearchSources
{
public:
    using Source = std::function<QList<SearchDocument>()>;

    void add(const QString &name, Source source);
    const QList<std::pair<QString, Source>> &all() const { return m_sources; }

private:
    QList<std::pair<QString, Source>> m_sources;
};

namespace WorkbookSearch {

inline constexpr char ruleGroup[] = "The Security Rule (2003)";
inline constexpr char amendedGroup[] = "The Security Rule as amended";
inline constexpr char guidanceGroup[] = "Rule text, references and guidance of the items";
inline constexpr char entriesGroup[] = "Your entries";
inline constexpr char todoGroup[] = "To-do list";

// The text of an RTF file as the boxes show it, read up to `maxBytes`.
[[nodiscard]] Result<QString> rtfText(const QString &path, qint64 maxBytes);

// The reader's pages from `contentFolder`: every page but the whole rule (its parts are the other pages),
// in 2003's text, and those that come as amended also in that text.
QList<SearchDocument> rulePages(const QString &contentFolder);
// For each item: its implementation specification, references and additional information.
QList<SearchDocument> itemTexts();
// The 141 entries in `folder` that exist.
QList<SearchDocument> entries(const QString &folder);
// The names of the 141 entry files.
QStringList entryFileNames();
// One entry, by its file name; nothing when the name is no entry's or the file cannot be read.
QList<SearchDocument> entry(const QString &folder, const QString &fileName);
// The to-do list's rows with an item.
QList<SearchDocument> todoRows(const QString &folder);

// The program's own sources over a workbook folder.
SearchSources sources(const QString &contentFolder, const QString &workbookFolder);

} // namespace WorkbookSearch
