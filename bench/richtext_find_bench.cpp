// The rich text box on a 2 MB RTF file written by LibreOffice (1.4 million characters, 2,400
// paragraphs): loading it, and one whole-word find pass selecting every occurrence of "integrity"
// (about 5,000). Target for the find pass: under 20 ms.
#include "ui/widgets/richtext/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"

namespace {

const QString word = QStringLiteral("integrity");

QByteArray gunzip(const QString &path)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
    gzip.waitForFinished(-1);
    return gzip.exitCode() == 0 ? gzip.readAllStandardOutput() : QByteArray();
}

// The decompressed file, written once into a temporary folder.
const QString &bigRtfFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("big.rtf"));
        QFile out(file);
        const QByteArray rtf = gunzip(QStringLiteral(TESSAREL_BENCH_DATA "/big-libreoffice.rtf.gz"));
        if (rtf.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size())
            return QString();
        return file;
    }();
    return path;
}

bool haveBigRtf(benchmark::State &state)
{
    if (bigRtfFile().isEmpty())
        state.SkipWithError("big-libreoffice.rtf.gz could not be decompressed");
    return !bigRtfFile().isEmpty();
}

// The box on screen, as the reader shows its page.
void show(RichTextBox &box)
{
    box.resize(900, 700);
    box.show();
}

// A shown box with the big file loaded and laid out.
RichTextBox &loadedBox()
{
    static RichTextBox *box = [] {
        auto *shown = new RichTextBox;
        show(*shown);
        shown->LoadFile(bigRtfFile());
        const QTextBlock last = shown->document()->lastBlock();
        shown->document()->documentLayout()->blockBoundingRect(last);
        return shown;
    }();
    return *box;
}

int findPass(RichTextBox &box)
{
    int found = 0;
    for (int at = box.Find(word, 0, -1, RichTextBox::FindWholeWord); at >= 0;
         at = box.Find(word, at + int(word.size()), -1, RichTextBox::FindWholeWord))
        ++found;
    benchmark::DoNotOptimize(box.textCursor().selectionStart()); // the last match reaches the editor
    return found;
}

void loadFile(benchmark::State &state)
{
    if (!haveBigRtf(state))
        return;
    RichTextBox box;
    show(box);
    for (auto _ : state) {
        if (!box.LoadFile(bigRtfFile())) {
            state.SkipWithError("the file did not load");
            return;
        }
        state.PauseTiming();
        box.setText(QString());
        state.ResumeTiming();
    }
}
BENCHMARK(loadFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Every pass after the first one on unchanged text.
void findPassWarm(benchmark::State &state)
{
    if (!haveBigRtf(state))
        return;
    RichTextBox &box = loadedBox();
    int found = 0;
    for (auto _ : state)
        found = findPass(box);
    state.counters["matches"] = found;
}
BENCHMARK(findPassWarm)->Unit(benchmark::kMillisecond);

// The first pass after an edit, which also takes the new plain text out of the document.
void findPassAfterEdit(benchmark::State &state)
{
    if (!haveBigRtf(state))
        return;
    RichTextBox &box = loadedBox();
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box.setSelStart(0);
        box.setSelText(QStringLiteral(" "));
        state.ResumeTiming();
        found = findPass(box);
    }
    state.counters["matches"] = found;
}
BENCHMARK(findPassAfterEdit)->Unit(benchmark::kMillisecond);

// The first pass straight after loading, before the editor has laid out the text in the background:
// showing the last match lays out the text up to it.
void findPassRightAfterLoad(benchmark::State &state)
{
    if (!haveBigRtf(state))
        return;
    RichTextBox box;
    show(box);
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        box.LoadFile(bigRtfFile());
        state.ResumeTiming();
        found = findPass(box);
    }
    state.counters["matches"] = found;
}
BENCHMARK(findPassRightAfterLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks<QApplication>(argc, argv);
}
