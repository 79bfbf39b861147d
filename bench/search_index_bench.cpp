// Search across everything on a full workbook: 141 entries of 50 KB each beside the rule and the items'
// texts. Building the index (in the background after start) and answering a search; target for a search:
// 50 ms or less.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "FullWorkbook.h"
#include "QtBenchmarkMain.h"
#include "core/files/ContentFolder.h"
#include "core/record/RecordDatabase.h"
#include "core/risk/RiskStore.h"
#include "core/search/RecordSearch.h"
#include "core/search/SearchService.h"
#include "core/workbook/EntryFiles.h"

namespace {

class Workbook
{
  public:
    Workbook()
    {
        ContentFolder::setPath(QStringLiteral(TESSAREL_PROGRAM_FOLDER));
        const QDir dir(m_folder.path());
        int seed = 0;
        for (int number = 1; number <= 47; ++number)
            for (EntryFiles::Kind kind : {EntryFiles::Action, EntryFiles::Comment, EntryFiles::Policy})
                FullWorkbook::write(dir, EntryFiles::entryFileName(kind, number),
                                    FullWorkbook::entryText(++seed, 50 * 1024));
    }
    SearchSources sources() const
    {
        return WorkbookSearch::sources(QStringLiteral(TESSAREL_PROGRAM_FOLDER), m_folder.path());
    }

  private:
    QTemporaryDir m_folder;
};

void buildIndex(benchmark::State &state)
{
    const Workbook workbook;
    int documents = 0;
    for (auto _ : state)
        documents = SearchService::build(workbook.sources())->documentCount();
    state.counters["documents"] = documents;
}
BENCHMARK(buildIndex)->Unit(benchmark::kMillisecond)->MinTime(2);

void search(benchmark::State &state, const char *query)
{
    const Workbook workbook;
    const std::unique_ptr<SearchIndex> index = SearchService::build(workbook.sources());
    int total = 0;
    for (auto _ : state)
        total = index->find(QString::fromLatin1(query)).total;
    state.counters["matches"] = total;
}
// A common word (every entry, thousands of matches), a phrase and a word found nowhere.
BENCHMARK_CAPTURE(search, common_word, "security")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, phrase, "risk analysis")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, rule_phrase, "security incident procedures")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(search, nowhere, "zeppelin")->Unit(benchmark::kMillisecond);

// The record's part, read and put into the index on the window's thread at start and whenever an area or
// a register closes: 2,000 risks.
void takeInRecord(benchmark::State &state)
{
    QTemporaryDir folder;
    Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
    if (!opened || !opened->database || !RiskStore(opened->database->connection()).addAll(FullWorkbook::risks(2000))) {
        state.SkipWithError("the record could not be written");
        return;
    }
    RecordDatabase *record = opened->database.get();
    SearchIndex index;
    for (auto _ : state) {
        index.removeWithPrefix(QString::fromLatin1(RecordSearch::riskPrefix));
        for (const SearchDocument &document : RecordSearch::risks(record))
            index.put(document);
    }
    state.counters["documents"] = index.documentCount();
}
BENCHMARK(takeInRecord)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
