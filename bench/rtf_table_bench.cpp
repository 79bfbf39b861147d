// Loading an RTF table of 2,000 rows of three bordered cells into a QTextDocument. Target: under 0.5 s.
#include "core/rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

namespace {

QByteArray tableRtf(int rows)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}\r\n";
    const QByteArray border = "\\brdrs\\brdrw10";
    for (int r = 0; r < rows; ++r) {
        rtf += "\\trowd\\trgaph108";
        for (const int right : {2880, 5760, 8640})
            rtf += "\\clbrdrt" + border + "\\clbrdrl" + border + "\\clbrdrb" + border + "\\clbrdrr" + border +
                   "\\cellx" + QByteArray::number(right);
        rtf += "\r\n\\pard\\intbl Item " + QByteArray::number(r) + "\\cell\\pard\\intbl 164.308(a)(" +
               QByteArray::number(r % 8) + ")\\cell\\pard\\intbl Completed\\cell\\row\r\n";
    }
    return rtf + "\\pard After the table.\\par}";
}

void loadTable(benchmark::State &state)
{
    const QByteArray rtf = tableRtf(int(state.range(0)));
    int cells = 0;
    for (auto _ : state) {
        QTextDocument document;
        if (!Rtf::read(rtf, document).ok) {
            state.SkipWithError("the RTF did not load");
            return;
        }
        cells = document.blockCount();
        state.PauseTiming();
        document.clear(); // freeing the document is not part of the load
        state.ResumeTiming();
    }
    state.counters["blocks"] = cells;
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(loadTable)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QGuiApplication>(argc, argv);
}
