// Loads RTF files of hostile shapes (generated into a temporary folder, up to 50 MB) into a shown rich
// text box, each in a process of its own, and prints per shape: the time until the window answers
// again (LoadFile and the events that follow it), the peak memory of the process, its bound
// (6 x the file size + 150 MB), and how many of the file's characters the box holds.
//
//   rtf_shapes_bench [shape ...]      all shapes, or the named ones
#include "SilentDialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

constexpr qsizetype FileTarget = 50 * 1000 * 1000;

struct Generated {
    QByteArray rtf;
    qsizetype characters = 0; // characters of text, paragraph breaks not counted
};

// A file of `piece` (text of `characters` characters) repeated until it nears the target size.
Generated repeated(const QByteArray &piece, qsizetype characters)
{
    Generated g{"{\\rtf1\\ansi "};
    g.rtf.reserve(FileTarget + 64);
    while (g.rtf.size() + piece.size() < FileTarget) {
        g.rtf += piece;
        g.characters += characters;
    }
    g.rtf += '}';
    return g;
}

Generated paragraphs() { return repeated(QByteArray(480, 'w').replace(7, 1, " ") + "\\par\r\n", 480); }

Generated oneParagraph() { return repeated("lorem ipsum dolor sit amet, consectetur adipiscing elit\r\n", 55); }

Generated runs(qsizetype count)
{
    Generated g{"{\\rtf1\\ansi "};
    for (qsizetype i = 0; i < count; ++i) {
        g.rtf += i % 2 ? "\\b0 pl " : "\\b bo ";
        g.characters += 3;
    }
    g.rtf += '}';
    return g;
}

Generated runsEverywhere() { return repeated("\\b bo \\b0 pl ", 6); }

Generated colours()
{
    Generated g{"{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}"};
    for (int i = 0; i < 4'000'000; ++i) {
        g.rtf += "\\cf" + QByteArray::number(i) + " x";
        ++g.characters;
    }
    g.rtf += '}';
    return g;
}

Generated fontsAndSizes()
{
    Generated g{"{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}{\\f1 Liberation Sans;}}"};
    for (int i = 0; g.rtf.size() < FileTarget; ++i) {
        g.rtf += "\\f" + QByteArray::number(i % 3000) + "\\fs" + QByteArray::number(i % 1000 + 2) +
                 (i % 7 ? "\\i" : "\\i0") + " x";
        ++g.characters;
    }
    g.rtf += '}';
    return g;
}

Generated cells()
{
    QByteArray row = "\\trowd\\cellx1000\\cellx2000\\cellx3000\\cellx4000";
    for (int c = 0; c < 4; ++c)
        row += "\\pard\\intbl cell text\\cell";
    return repeated(row + "\\row\r\n", 4 * 9 + 3); // four cells and the three tabs between them
}

const std::vector<std::pair<QString, std::function<Generated()>>> &shapes()
{
    static const std::vector<std::pair<QString, std::function<Generated()>>> all{
        {"paragraphs-103k", paragraphs},
        {"one-paragraph", oneParagraph},
        {"runs-10k", [] { return runs(10'000); }},
        {"runs-20k", [] { return runs(20'000); }},
        {"runs-40k", [] { return runs(40'000); }},
        {"runs-50MB", runsEverywhere},
        {"colours-4M", colours},
        {"fonts-sizes", fontsAndSizes},
        {"cells", cells},
    };
    return all;
}

// Child: loads the file into a shown box and prints "seconds peakMB characters simplified".
int load(const QString &path)
{
    SilentDialogs dialogs;
    Dialogs::install(&dialogs);
    RichTextBox box;
    box.resize(800, 600);
    box.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    QString error;
    const bool loaded = box.LoadFile(path, &error);
    QApplication::processEvents();
    const double seconds = timer.nsecsElapsed() / 1e9;
    qsizetype characters = 0;
    if (loaded) {
        const QString text = box.Text();
        characters = text.size() - text.count(u'\n');
    }
    std::printf("%.2f %.0f %lld %s %s\n", seconds, peakMegabytes(), static_cast<long long>(characters),
                dialogs.told ? "yes" : "no", qPrintable(error));
    Dialogs::install(nullptr);
    return loaded ? 0 : 1;
}

void run(const QStringList &wanted)
{
    QTemporaryDir dir;
    std::printf("%-16s %8s %9s %9s %9s %12s %12s %11s\n", "shape", "file MB", "answer s", "peak MB",
                "bound MB", "characters", "kept", "simplified");
    for (const auto &[name, generate] : shapes()) {
        if (!wanted.isEmpty() && !wanted.contains(name))
            continue;
        const QString path = dir.filePath(name + ".rtf");
        qsizetype characters = 0;
        qsizetype size = 0;
        {
            const Generated g = generate();
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(g.rtf) != g.rtf.size())
                return;
            characters = g.characters;
            size = g.rtf.size();
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--load"), path});
        child.waitForFinished(-1);
        const QStringList result = QString::fromLocal8Bit(child.readAllStandardOutput()).simplified().split(u' ');
        const double megabytes = size / 1e6;
        std::printf("%-16s %8.1f %9s %9s %9.0f %12lld %12s %11s\n", qPrintable(name), megabytes,
                    qPrintable(result.value(0)), qPrintable(result.value(1)), 6 * size / 1048576.0 + 150,
                    static_cast<long long>(characters), qPrintable(result.value(2)),
                    qPrintable(result.value(3)));
        std::fflush(stdout);
        QFile::remove(path);
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments.first() == QStringLiteral("--load"))
        return load(arguments.at(1));
    run(arguments);
    return 0;
}
