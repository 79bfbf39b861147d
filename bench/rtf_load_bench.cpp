// Loading a 2 MB RTF file written by LibreOffice (1.4 million characters, 2,400 paragraphs) into a
// QTextDocument. Target: under 200 ms.
#include "core/rtf/Rtf.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

namespace {

QByteArray gunzip(const QString &path)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    gzip.waitForFinished(-1);
    return gzip.exitCode() == 0 ? gzip.readAllStandardOutput() : QByteArray();
}

const QByteArray &bigRtf()
{
    static const QByteArray data = gunzip(QStringLiteral(TESSAREL_BENCH_DATA "/big-libreoffice.rtf.gz"));
    return data;
}

void loadBigRtf(benchmark::State &state)
{
    const QByteArray &rtf = bigRtf();
    if (rtf.isEmpty()) {
        state.SkipWithError("big-libreoffice.rtf.gz could not be decompressed");
        return;
    }
    qsizetype characters = 0;
    for (auto _ : state) {
        QTextDocument document;
        if (!Rtf::read(rtf, document).ok) {
            state.SkipWithError("the RTF did not load");
            return;
        }
        characters = document.characterCount();
        state.PauseTiming();
        document.clear(); // freeing the document is not part of the load
        state.ResumeTiming();
    }
    state.counters["characters"] = static_cast<double>(characters);
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(loadBigRtf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void writeBigRtf(benchmark::State &state)
{
    QTextDocument document;
    Rtf::read(bigRtf(), document);
    for (auto _ : state)
        benchmark::DoNotOptimize(Rtf::write(document));
}
BENCHMARK(writeBigRtf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QGuiApplication>(argc, argv);
}
