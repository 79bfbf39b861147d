// Opens the To Do List (the misc window on its "To Do List" tab) over oversized to-do files, each case in
// a process of its own, and prints per case: the time from opening the window until it answers (its
// first event-loop turn after the tab is shown), the peak memory of the process, and whether the user
// was told that a file was read in part. Targets: within 1 s, under 200 MB.
//
//   todo_open_bench [case ...]      all cases, or the named ones
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "SilentDialogs.h"
#include "core/workbook/ProgramState.h"
#include "ui/misc/MiscAreaWindow.h"

namespace {

QByteArray quotedLine(const QByteArray &text)
{
    return '"' + text + "\"\r\n";
}

// A full list of 500 items, then surplus rows up to 50 MB.
QByteArray fiftyMegabyteList()
{
    QByteArray bytes;
    bytes.reserve(50 << 20);
    for (int i = 0; i < 2500; ++i) {
        const QByteArray row = QByteArray::number(i / 5 + 1);
        bytes += quotedLine(i % 5 == 0 ? "Review the access list of system " + row : QByteArray());
    }
    const QByteArray surplus = quotedLine("Surplus row beyond the five hundred of the list");
    while (bytes.size() < (50 << 20))
        bytes += surplus;
    return bytes;
}

// One cell of 50 MB.
QByteArray fiftyMegabyteCell()
{
    return quotedLine(QByteArray(50 << 20, 'x'));
}

QByteArray hundredThousandNames()
{
    QByteArray bytes;
    for (int i = 1; i <= 100'000; ++i)
        bytes += quotedLine("Stored to-do item name " + QByteArray::number(i));
    return bytes;
}

struct Case {
    QString name;
    QString file;
    std::function<QByteArray()> bytes;
};

const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        {"none", {}, {}},
        {"list-50MB", "TODOActv.FIL", fiftyMegabyteList},
        {"cell-50MB", "TODOActv.FIL", fiftyMegabyteCell},
        {"names-100k", "TODONAME.FIL", hundredThousandNames},
    };
    return all;
}

// Child, in the workbook folder: opens the window and prints "seconds peakMB told".
int open()
{
    SilentDialogs dialogs;
    Dialogs::install(&dialogs);
    ProgramState::PendingArea = 0;
    QElapsedTimer timer;
    timer.start();
    double seconds = 0;
    {
        MiscAreaWindow window(nullptr);
        window.show();
        window.sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
        bool answered = false;
        QTimer::singleShot(0, &window, [&] { answered = true; });
        while (!answered)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        seconds = timer.nsecsElapsed() / 1e9;
    }
    std::printf("%.3f %.0f %s\n", seconds, peakMegabytes(), dialogs.told ? "yes" : "no");
    Dialogs::install(nullptr);
    return 0;
}

void run(const QStringList &wanted)
{
    std::printf("%-12s %8s %9s %8s %6s\n", "case", "file MB", "answer s", "peak MB", "told");
    for (const Case &c : cases()) {
        if (!wanted.isEmpty() && !wanted.contains(c.name))
            continue;
        QTemporaryDir dir;
        for (int page = 1; page <= MiscAreaWindow::PageCount; ++page)
            QFile::copy(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/") + MiscAreaWindow::pageFile(page - 1),
                        dir.filePath(MiscAreaWindow::pageFile(page - 1)));
        qsizetype size = 0;
        if (c.bytes) {
            const QByteArray bytes = c.bytes();
            QFile file(dir.filePath(c.file));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                return;
            size = bytes.size();
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.setWorkingDirectory(dir.path());
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open")});
        child.waitForFinished(-1);
        const QStringList result =
            QString::fromLocal8Bit(child.readAllStandardOutput()).simplified().split(u' ');
        std::printf("%-12s %8.1f %9s %8s %6s\n", qPrintable(c.name), size / 1048576.0,
                    qPrintable(result.value(0)), qPrintable(result.value(1)), qPrintable(result.value(2)));
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8());
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments == QStringList{QStringLiteral("--open")})
        return open();
    run(arguments);
    return 0;
}
