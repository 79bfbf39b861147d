// Building the reports of the work area: the status report of all safeguards, and a reference report
// that runs to about 20 pages. Target: each under 100 ms.
#include <QApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

#include "core/print/PreviewDocument.h"
#include "core/print/PrinterSettings.h"
#include "core/references/DocumentReferenceBox.h"
#include "core/reports/ReferenceReport.h"
#include "core/references/ReferenceText.h"
#include "core/reports/StatusReport.h"

namespace {

void statusReportAllSafeguards(benchmark::State &state)
{
    StatusTable statuses;
    const QStringList values{"Pending", "Working", "Completed", "Review"};
    for (int n = 1; n <= 47; ++n)
        statuses[std::size_t(n)] = values[n % values.size()];
    PreviewDocument doc;
    for (auto _ : state)
        StatusReport(doc, statuses, Qt::black).build({true, false, false, false});
    state.counters["pages"] = doc.pageCount();
}
BENCHMARK(statusReportAllSafeguards)->Unit(benchmark::kMillisecond);

// The three texts of item 15, each made long by repeating the item's references.
void referenceReportTwentyPages(benchmark::State &state)
{
    QTextDocument documents[4];
    DocumentReferenceBox buffers[3]{DocumentReferenceBox(documents[0]), DocumentReferenceBox(documents[1]),
                                    DocumentReferenceBox(documents[2])};
    DocumentReferenceBox view(documents[3]);
    ReferenceProducer producer(ReferenceBoxes{{&buffers[0], &buffers[1], &buffers[2]}, &view});
    ReferenceReport report(producer, {&buffers[0], &buffers[1], &buffers[2]});
    PrinterSettings::setMargins(350, 300, 350, 100);
    PrinterSettings::PrinterFont font;
    font.name = QStringLiteral("Times New Roman");
    font.size = 12;
    const QString part = ReferenceText::references(15) + QStringLiteral("\r\n");
    for (DocumentReferenceBox &buffer : buffers)
        buffer.setText(part.repeated(int(state.range(0))));
    PreviewDocument doc;
    for (auto _ : state)
        report.build(1, 14, {true, true, true}, font, doc);
    state.counters["pages"] = doc.pageCount();
    state.counters["characters"] = double(report.report().characterCount());
}
BENCHMARK(referenceReportTwentyPages)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QApplication>(argc, argv);
}
