// The writing tools: spell-checking a 3,000-word entry with no misspelled word in the entry editor's
// document (target: under 100 ms), and looking up a word in the thesaurus (target: under 10 ms).
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "core/spelling/SpellCheck.h"
#include "core/spelling/SpellChecker.h"
#include "core/spelling/Thesaurus.h"

namespace {

// 60 words an entry might hold; 50 paragraphs of it make 3,000 words.
const QString paragraph = QStringLiteral(
    "Our practice reviews every workstation each quarter, and the office manager keeps a signed copy of "
    "the checklist. Backups of the scheduling and billing systems run nightly to an encrypted drive that "
    "is stored offsite; restores are tested twice a year. Staff receive reminders about passwords, "
    "suspicious messages and locked screens during their monthly meetings.");

class CountingAsker : public SpellAsker
{
public:
    SpellAnswer ask(const SpellQuestion &) override
    {
        ++asked;
        return {SpellAnswer::Ignore, {}};
    }
    int asked = 0;
};

void BM_SpellCheckEntry(benchmark::State &state)
{
    QTemporaryDir folder;
    SpellChecker checker(folder.filePath(QStringLiteral("CustomDict1.dct")));
    CountingAsker asker;
    QTextDocument document;
    document.setPlainText(QStringList(50, paragraph).join(QLatin1Char('\n')));
    for (auto _ : state) {
        SpellCheck check(checker, asker);
        check.attach(&document);
        check.setCheckRange(0, -1);
        benchmark::DoNotOptimize(check.check());
    }
    state.counters["questions"] = asker.asked;
}
BENCHMARK(BM_SpellCheckEntry)->Unit(benchmark::kMillisecond);

void BM_ThesaurusLookup(benchmark::State &state)
{
    const Thesaurus thesaurus;
    qsizetype synonyms = 0;
    for (auto _ : state) {
        const QList<ThesaurusMeaning> meanings = thesaurus.lookup(QStringLiteral("policy"));
        for (const ThesaurusMeaning &m : meanings)
            synonyms += m.synonyms.size();
    }
    state.counters["meanings"] = double(thesaurus.lookup(QStringLiteral("policy")).size());
    benchmark::DoNotOptimize(synonyms);
}
BENCHMARK(BM_ThesaurusLookup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QGuiApplication>(argc, argv);
}
