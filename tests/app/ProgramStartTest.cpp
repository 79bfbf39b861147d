#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/files/ContentFolder.h"
#include "core/workbook/ProgramState.h"
#include "ui/start/ProgramStart.h"
#include "core/workbook/WorkbookLocation.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

// A home of its own for one start, with the settings' folder chosen last as given.
class StartInHome
{
public:
    explicit StartInHome(const QString &chosenLast) : m_previousHome(qgetenv("HOME"))
    {
        qputenv("HOME", m_home.path().toUtf8());
        QSettings settings;
        if (chosenLast.isEmpty())
            settings.remove(QLatin1String(WorkbookLocation::ChosenLastKey));
        else
            settings.setValue(QLatin1String(WorkbookLocation::ChosenLastKey), chosenLast);
        ProgramState::WorkbookFolder.clear();
    }
    ~StartInHome()
    {
        qputenv("HOME", m_previousHome);
        QSettings().remove(QLatin1String(WorkbookLocation::ChosenLastKey));
        ProgramState::WorkbookFolder.clear();
        QDir::setCurrent(m_previousCurrent);
        // The start finds the content beside the program; the tests that follow set their own.
        ContentFolder::setPath(m_previousContent);
    }
    QString path() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
    QByteArray m_previousHome;
    QString m_previousCurrent = QDir::currentPath();
    QString m_previousContent = ContentFolder::path();
};

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

} // namespace

// Each start opens the folder the order picks, makes it current, and starts an empty workbook in a new
// folder; a folder chosen last that is gone is named in a message and kept for the next start.
TEST(ProgramStart, OpensTheWorkbookFolderThatTheOrderPicks)
{
    TempFolder places;
    QDir(places.path()).mkpath("team");
    places.write("team/Stat1.Fil", "kept");
    const QString documents = QStringLiteral("/Documents/Tessarel Workbook");
    const struct {
        const char *name;
        QStringList arguments;
        QString chosenLast;
        QString expected; // "~" stands for the home
        QStringList files;
        int messages;
    } cases[] = {
        {"first start", {}, {}, "~" + documents, {"Stat1.Fil"}, 0},
        {"command line", {"--workbook", places.file("cli/wb")}, places.file("team"), places.file("cli/wb"),
         {"Stat1.Fil"}, 0},
        {"chosen last", {}, places.file("team"), places.file("team"), {"Stat1.Fil"}, 0},
        {"chosen last gone", {}, places.file("unplugged"), "~" + documents, {"Stat1.Fil"}, 1},
    };
    for (const auto &c : cases) {
        ScriptedDialogs dialogs;
        StartInHome home(c.chosenLast);
        const ProgramStart::Outcome outcome = ProgramStart::openFolders(QStringList{"tessarel"} + c.arguments);
        EXPECT_TRUE(outcome.run) << c.name;
        QString expected = c.expected;
        expected.replace('~', home.path());
        EXPECT_EQ(ProgramState::WorkbookFolder, expected) << c.name;
        EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(), QFileInfo(expected).canonicalFilePath())
            << c.name;
        EXPECT_EQ(entries(expected), c.files) << c.name;
        ASSERT_EQ(dialogs.messages.size(), c.messages) << c.name;
        if (c.messages > 0) {
            EXPECT_TRUE(dialogs.messages[0].text.contains(c.chosenLast)) << c.name;
            EXPECT_EQ(QSettings().value(QLatin1String(WorkbookLocation::ChosenLastKey)).toString(), c.chosenLast);
        }
    }
    EXPECT_EQ(places.read("team/Stat1.Fil"), "kept");
}

// A command-line folder that cannot be made ends the start before any window, naming the reason.
TEST(ProgramStart, AnUnusableCommandLineFolderEndsTheStart)
{
    TempFolder places;
    places.write("taken", "x");
    ScriptedDialogs dialogs;
    StartInHome home{QString()};
    const ProgramStart::Outcome outcome =
        ProgramStart::openFolders({"tessarel", "--workbook", places.file("taken/wb")});
    EXPECT_FALSE(outcome.run);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(ProgramState::WorkbookFolder.isEmpty());
    EXPECT_EQ(entries(home.path()), QStringList());
    EXPECT_EQ(places.read("taken"), "x");
}
