// The word difference between the 2003 and the amended text of the whole of § 164.314, compared as one
// text (about 720 and 420 words), and paragraph by paragraph as the reader's page does. Target: under
// 5 ms for the whole section.
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "core/rule/RuleAmendments.h"
#include "core/rule/RuleData.h"

namespace {

using RuleData::Edition;

std::vector<RuleAmendments::Entry> section(Edition edition)
{
    std::vector<RuleAmendments::Entry> entries;
    for (const QString &citation : RuleData::citations(edition))
        if (citation.startsWith(QLatin1String("164.314")))
            entries.push_back({citation, RuleData::line(citation, edition)});
    return entries;
}

QString joined(const std::vector<RuleAmendments::Entry> &entries)
{
    QStringList lines;
    for (const RuleAmendments::Entry &entry : entries)
        lines.append(entry.text);
    return lines.join(u'\n');
}

void wholeSectionAsOneText(benchmark::State &state)
{
    const QString before = joined(section(Edition::Adopted2003));
    const QString after = joined(section(Edition::Amended2013));
    int runs = 0;
    for (auto _ : state) {
        const WordDiff::Comparison comparison = WordDiff::compare(before, after);
        runs = int(comparison.runs.size());
        benchmark::DoNotOptimize(runs);
    }
    state.counters["runs"] = runs;
}
BENCHMARK(wholeSectionAsOneText)->Unit(benchmark::kMillisecond);

void wholeSectionByParagraph(benchmark::State &state)
{
    const std::vector<RuleAmendments::Entry> before = section(Edition::Adopted2003);
    const std::vector<RuleAmendments::Entry> after = section(Edition::Amended2013);
    size_t paragraphs = 0;
    for (auto _ : state) {
        paragraphs = RuleAmendments::compare(before, after).size();
        benchmark::DoNotOptimize(paragraphs);
    }
    state.counters["paragraphs"] = double(paragraphs);
}
BENCHMARK(wholeSectionByParagraph)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QCoreApplication>(argc, argv);
}
