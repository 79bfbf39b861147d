#include "cli/SearchListing.h"

#include <limits>

#include "cli/RecordListings.h"
#include "core/record/RecordDatabase.h"
#include "core/search/RecordSearch.h"
#include "core/search/SearchService.h"

namespace SearchListing {

namespace {

// A phrase found across a line end shows on one line, without the blanks around it.
QString oneLine(QString line)
{
    for (QChar &c : line)
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u' ';
    return line.trimmed();
}

} // namespace

Result<TableText> find(const QString &contentFolder, const QString &workbookFolder, const QString &words)
{
    Result<std::unique_ptr<RecordDatabase>> record = RecordListings::open(workbookFolder);
    if (!record)
        return record.outcome();
    SearchSources sources = WorkbookSearch::sources(contentFolder, workbookFolder);
    // The index is built here, on the record's thread.
    RecordDatabase *db = record.value().get();
    sources.add(QStringLiteral("Decisions"), [db] { return RecordSearch::decisions(db); });
    sources.add(QStringLiteral("Risks"), [db] { return RecordSearch::risks(db); });
    const std::unique_ptr<SearchIndex> index = SearchService::build(sources);
    const SearchAnswer answer = index->find(words, std::numeric_limits<int>::max());

    TableText listing;
    listing.columns = {QStringLiteral("Group"), QStringLiteral("Title"), QStringLiteral("Line")};
    if (contentFolder.isEmpty())
        listing.warning = QStringLiteral("The program's content folder was not found beside the tool: the rule's "
                                         "text was not searched.");
    int lastDocument = -1;
    for (const SearchHit &hit : answer.hits) {
        const SearchDocument &document = index->document(hit.document);
        const QStringList row{document.group, document.title, oneLine(hit.line)};
        // Several matches in one line show it once.
        if (hit.document == lastDocument && listing.rows.last() == row)
            continue;
        lastDocument = hit.document;
        listing.rows.append(row);
    }
    return listing;
}

} // namespace SearchListing
