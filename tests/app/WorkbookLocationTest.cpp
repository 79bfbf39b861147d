#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "core/workbook/WorkbookLocation.h"
#include "support/TempFolder.h"

using WorkbookLocation::Source;

namespace {

struct ChoiceCase {
    const char *name;
    WorkbookLocation::Places places;
    const char *folder;
    Source source;
    const char *missing;
};

WorkbookLocation::Places places(const char *commandLine, const char *chosen, bool chosenExists, bool writable,
                                bool holdsWorkbook)
{
    WorkbookLocation::Places p;
    p.commandLine = QString::fromLatin1(commandLine);
    p.chosenLast = QString::fromLatin1(chosen);
    p.chosenLastExists = chosenExists;
    p.programFolder = QStringLiteral("/opt/tessarel/bin");
    p.programFolderWritable = writable;
    p.programFolderHoldsWorkbook = holdsWorkbook;
    p.home = QStringLiteral("/home/ann");
    return p;
}

} // namespace

// One case for each rung of the order, and for each reason a rung is passed over.
TEST(WorkbookLocation, ChoosesTheFolderInItsOrder)
{
    const char *documents = "/home/ann/Documents/Tessarel Workbook";
    const ChoiceCase cases[] = {
        {"command line first", places("/srv/wb/", "/mnt/team", true, true, true), "/srv/wb", Source::CommandLine, ""},
        {"chosen last next", places("", "/mnt/team", true, true, true), "/mnt/team", Source::ChosenLast, ""},
        {"chosen last gone", places("", "/mnt/team", false, true, true), "/opt/tessarel/bin", Source::ProgramFolder,
         "/mnt/team"},
        {"program folder with a workbook", places("", "", false, true, true), "/opt/tessarel/bin",
         Source::ProgramFolder, ""},
        {"program folder read-only", places("", "", false, false, true), documents, Source::Documents, ""},
        {"program folder without a workbook", places("", "", false, true, false), documents, Source::Documents, ""},
        {"chosen last gone, program folder empty", places("", "/mnt/team", false, true, false), documents,
         Source::Documents, "/mnt/team"},
    };
    for (const ChoiceCase &c : cases) {
        const WorkbookLocation::Choice choice = WorkbookLocation::choose(c.places);
        EXPECT_EQ(choice.folder, QString::fromUtf8(c.folder)) << c.name;
        EXPECT_EQ(choice.source, c.source) << c.name;
        EXPECT_EQ(choice.missingChosenLast, QString::fromLatin1(c.missing)) << c.name;
    }
}

// The facts about each place come from the folders themselves.
TEST(WorkbookLocation, SurveyLooksAtTheFolders)
{
    TempFolder program;
    const QString gone = program.file("gone");
    WorkbookLocation::Places seen = WorkbookLocation::survey("", gone, program.path(), "/home/ann");
    EXPECT_FALSE(seen.chosenLastExists);
    EXPECT_TRUE(seen.programFolderWritable);
    EXPECT_FALSE(seen.programFolderHoldsWorkbook);

    program.write("readme.txt", "not a workbook file");
    EXPECT_FALSE(WorkbookLocation::survey("", "", program.path(), "").programFolderHoldsWorkbook);
    program.write("TODOActv.FIL", "");
    seen = WorkbookLocation::survey("", program.path(), program.path(), "");
    EXPECT_TRUE(seen.chosenLastExists);
    EXPECT_TRUE(seen.programFolderHoldsWorkbook);
}

// A new workbook is its status file, created empty; a folder that holds a workbook is left as it is, and
// a folder that cannot be made is reported by name.
TEST(WorkbookLocation, StartEmptyMakesTheFolderAndMarksItAsAWorkbook)
{
    TempFolder home;
    const QString fresh = home.file("Documents/Tessarel Workbook");
    ASSERT_TRUE(WorkbookLocation::startEmpty(fresh));
    EXPECT_EQ(QDir(fresh).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Stat1.Fil"});
    EXPECT_EQ(QFileInfo(QDir(fresh).filePath("Stat1.Fil")).size(), 0);
    EXPECT_TRUE(WorkbookLocation::holdsWorkbook(fresh));

    QDir(home.path()).mkpath("kept");
    home.write("kept/Policy3.Fil", "{\\rtf1 mine}");
    ASSERT_TRUE(WorkbookLocation::startEmpty(home.file("kept")));
    EXPECT_EQ(QDir(home.file("kept")).entryList(QDir::Files), QStringList{"Policy3.Fil"});
    EXPECT_EQ(home.read("kept/Policy3.Fil"), "{\\rtf1 mine}");

    // A file where the folder should be: no folder can be made there, also for root.
    home.write("taken", "x");
    const WriteResult blocked = WorkbookLocation::startEmpty(home.file("taken/Tessarel Workbook"));
    EXPECT_FALSE(blocked);
    EXPECT_TRUE(blocked.error.contains("Tessarel Workbook")) << blocked.error.toStdString();
    EXPECT_EQ(home.read("taken"), "x");
}
