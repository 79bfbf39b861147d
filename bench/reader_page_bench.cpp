// The reader on its largest page, PR0.Dat (the whole rule with its preamble): choosing the page until it
// is shown, and one search step through it. Targets: the page within 200 ms, a step under 10 ms.
#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/reader/SearchPanel.h"

namespace {

bool havePages(benchmark::State &state)
{
    const bool found = QDir::setCurrent(QStringLiteral(TESSAREL_PROGRAM_FOLDER)) && QFile::exists("PR0.Dat");
    if (!found)
        state.SkipWithError("PR0.Dat was not generated");
    return found;
}

RuleReaderWindow &reader()
{
    static RuleReaderWindow *window = [] {
        auto *shown = new RuleReaderWindow(nullptr);
        shown->resize(800, 600);
        shown->show();
        QApplication::processEvents();
        return shown;
    }();
    return *window;
}

void showEntireRule(benchmark::State &state)
{
    if (!havePages(state))
        return;
    RuleReaderWindow &w = reader();
    for (auto _ : state) {
        w.pageOptionClicked(0);
        QApplication::processEvents();
    }
    state.counters["characters"] = double(w.pageView->Text().size());
}
BENCHMARK(showEntireRule)->Unit(benchmark::kMillisecond);

// Steps through the occurrences of "security", starting over before the last one so the end message
// never opens.
void searchStep(benchmark::State &state)
{
    if (!havePages(state))
        return;
    RuleReaderWindow &w = reader();
    w.pageOptionClicked(0);
    if (!w.searchPanel->isVisible())
        w.searchClicked();
    w.searchPanel->searchText->setText(QStringLiteral("security"));
    const int last = int(w.pageView->Text().lastIndexOf(QStringLiteral("security"), -1, Qt::CaseInsensitive));
    int steps = 0;
    for (auto _ : state) {
        if (w.searchPanel->SearchStart >= last)
            w.searchPanel->SearchStart = 1;
        w.searchPanel->searchClicked();
        ++steps;
    }
    state.counters["steps"] = steps;
}
BENCHMARK(searchStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QApplication>(argc, argv);
}
