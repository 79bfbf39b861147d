#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "backup/BackupFixtures.h"
#include "cli/ToolRun.h"
#include "core/catalogue/Catalogue.h"
#include "core/files/WorkbookLock.h"
#include "core/workbook/StatusStore.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

TEST_F(CommandLineTool, StatusAsCsvListsTheStatusFile)
{
    const StatusStore store(workbook.file(QStringLiteral("Stat1.Fil")));
    ASSERT_TRUE(store.write(1, QStringLiteral("Completed")).ok);
    ASSERT_TRUE(store.write(37, QStringLiteral("Working")).ok);
    const StatusTable statuses = store.readTable();

    const ToolRun run = runTool(on({QStringLiteral("status"), QStringLiteral("--format"), QStringLiteral("csv")}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = run.out.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.takeLast(), QString());
    ASSERT_EQ(lines.size(), 1 + Catalogue::itemCount);
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("number,category,standard,section,specification,R/A,status"));
    for (int number = 1; number <= Catalogue::itemCount; ++number) {
        const QStringList fields = csvFields(lines[number - 1]);
        ASSERT_EQ(fields.size(), 7) << lines[number - 1].toStdString();
        EXPECT_EQ(fields[0].toInt(), number);
        EXPECT_EQ(fields[5], Catalogue::item(number)->requirement() ? QString(QLatin1Char(Catalogue::item(number)->requirement())) : QString());
        EXPECT_EQ(fields[6], statuses[number].trimmed()) << number;
    }
    EXPECT_EQ(csvFields(lines[0]).mid(1, 5),
              (QStringList{QStringLiteral("Administrative Safeguards"), QStringLiteral("Security Mananagement Process"),
                           QStringLiteral("164.308(a)(1)"), QStringLiteral("Risk Analysis"), QStringLiteral("R")}));
    EXPECT_EQ(csvFields(lines[36])[6], QStringLiteral("Working"));
}

TEST_F(CommandLineTool, BackupVerifyAndRestoreRoundTrip)
{
    const QString zip = elsewhere.file(QStringLiteral("nightly.zip"));
    const Files before = workbookIn(workbook.path());

    const ToolRun backup = runTool(on({QStringLiteral("backup"), zip}));
    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_TRUE(backup.out.contains(QStringLiteral("was backed up to"))) << backup.out.toStdString();

    const ToolRun verify = runTool({QStringLiteral("verify"), zip});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    EXPECT_TRUE(verify.out.contains(QStringLiteral("is a whole workbook backup"))) << verify.out.toStdString();

    workbook.write(QStringLiteral("Action0.Fil"), "{\\rtf1 changed after the backup}");
    const ToolRun refused = runTool(on({QStringLiteral("restore"), zip}), "n\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Nothing was changed")));
    EXPECT_EQ(workbook.read(QStringLiteral("Action0.Fil")), QByteArray("{\\rtf1 changed after the backup}"));

    const ToolRun restore = runTool(on({QStringLiteral("restore"), zip, QStringLiteral("--yes")}));
    ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    EXPECT_EQ(workbookIn(workbook.path()), before);
}

struct Refusal
{
    const char *label;
    QStringList arguments; // "ZIP" stands for the backup, "WB" for the workbook folder
    bool damagedBackup;
    bool lockedWorkbook;
    int exitCode;
    const char *says;
};

void PrintTo(const Refusal &refusal, std::ostream *out)
{
    *out << refusal.label;
}

class CommandLineRefusal : public CommandLineTool, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(CommandLineRefusal, ExitsWithTheReasonAndChangesNothing)
{
    const Refusal &refusal = GetParam();
    const QString zip = elsewhere.file(QStringLiteral("b.zip"));
    ASSERT_EQ(runTool(on({QStringLiteral("backup"), zip})).exitCode, 0);
    if (refusal.damagedBackup) {
        QFile file(zip);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.resize(file.size() / 2);
    }
    std::optional<WorkbookLock> lock;
    if (refusal.lockedWorkbook) {
        lock.emplace(workbook.path());
        ASSERT_EQ(lock->take(), WorkbookLock::Outcome::Taken);
    }
    const Files before = workbookIn(workbook.path());
    QStringList arguments;
    for (const QString &argument : refusal.arguments)
        arguments.append(argument == QLatin1String("ZIP") ? zip
                         : argument == QLatin1String("WB") ? workbook.path()
                         : argument == QLatin1String("EMPTY") ? elsewhere.path()
                                                               : argument);

    const ToolRun run = runTool(arguments);
    EXPECT_EQ(run.exitCode, refusal.exitCode) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(refusal.says))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(workbookIn(workbook.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineRefusal,
    ::testing::Values(
        Refusal{"verify damaged", {"verify", "ZIP"}, true, false, 1, "cannot be restored"},
        Refusal{"restore damaged", {"--workbook", "WB", "restore", "ZIP", "--yes"}, true, false, 1, "Nothing was changed"},
        Refusal{"backup locked", {"--workbook", "WB", "backup", "ZIP"}, false, true, 1, "is in use by"},
        Refusal{"restore locked", {"--workbook", "WB", "restore", "ZIP", "--yes"}, false, true, 1, "is in use by"},
        Refusal{"status of no workbook", {"--workbook", "EMPTY", "status"}, false, false, 1, "There is no workbook"},
        Refusal{"unknown command", {"--workbook", "WB", "erase"}, false, false, 2, "unknown command \"erase\""},
        Refusal{"backup without a file", {"--workbook", "WB", "backup"}, false, false, 2, "backup needs one file"},
        Refusal{"unknown format", {"--workbook", "WB", "status", "--format", "xml"}, false, false, 2, "unknown format"},
        Refusal{"report without pdf", {"--workbook", "WB", "report", "status"}, false, false, 2, "report status --pdf"},
        Refusal{"history of item 48", {"--workbook", "WB", "history", "48"}, false, false, 2,
                "history needs one item number from 1 to 47"},
        Refusal{"history of no item", {"--workbook", "WB", "history"}, false, false, 2, "from 1 to 47"},
        Refusal{"history of a word", {"--workbook", "WB", "history", "one"}, false, false, 2, "from 1 to 47"},
        Refusal{"search for nothing", {"--workbook", "WB", "search", "--", "--"}, false, false, 2,
                "search needs the words to find"},
        Refusal{"unknown level", {"--workbook", "WB", "risks", "--level", "Severe"}, false, false, 2,
                "unknown level \"Severe\": use Low, Moderate, High, Critical"},
        Refusal{"level of decisions", {"--workbook", "WB", "decisions", "--level", "High"}, false, false, 2,
                "--level does not go with decisions"},
        Refusal{"due risks", {"--workbook", "WB", "risks", "--due"}, false, false, 2, "--due does not go with risks"},
        Refusal{"decisions of a file", {"--workbook", "WB", "decisions", "x"}, false, false, 2,
                "decisions takes no file"},
        Refusal{"reviews of no workbook", {"--workbook", "EMPTY", "reviews"}, false, false, 1, "There is no workbook"}),
    [](const auto &testInfo) {
        QString name = QString::fromLatin1(testInfo.param.label);
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        return name.toStdString();
    });

TEST_F(CommandLineTool, StatusReportIsWrittenAsPdf)
{
    const QString pdf = elsewhere.file(QStringLiteral("status.pdf"));
    const ToolRun run = runTool(on({QStringLiteral("report"), QStringLiteral("status"), QStringLiteral("--pdf"), pdf}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(run.out.contains(QStringLiteral("pages) was written to")));
}

TEST_F(CommandLineTool, LinksNoWidgets)
{
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {toolPath()});
    ASSERT_TRUE(ldd.waitForFinished(30000));
    const QString libraries = QString::fromUtf8(ldd.readAllStandardOutput());
    EXPECT_TRUE(libraries.contains(QStringLiteral("libQt6Core")));
    EXPECT_FALSE(libraries.contains(QStringLiteral("Widgets"))) << libraries.toStdString();
    EXPECT_FALSE(libraries.contains(QStringLiteral("PrintSupport"))) << libraries.toStdString();
}

} // namespace
