#pragma once

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "ui/shell/AreaWindow.h"
#include "core/workbook/ProgramState.h"
#include "ui/start/StartScreen.h"
#include "core/files/ContentFolder.h"
#include "core/rtf/Rtf.h"
#include "core/search/SearchService.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"
#include "ui/reader/RuleReaderWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"
#include "ui/home/HomePage.h"
#include "core/workbook/StatusStore.h"

// The start screen over a half-finished workbook, the content read from the built program folder. Area
// windows open for real, are shown and activated, act out the test's step and are closed again.
class HomeFixture : public ::testing::Test
{
protected:
    using Step = std::function<void(AreaWindow &)>;

    HomeFixture() : m_previousContent(ContentFolder::path())
    {
        ProgramState::reset();
        RuleReaderWindow::amendedTextShown = false;
        ContentFolder::setPath(QStringLiteral(TESSAREL_PROGRAM_FOLDER));
        ProgramState::WorkbookFolder = folder.path();
        const StatusStore statuses(folder.file(QStringLiteral("Stat1.Fil")));
        for (int number : {1, 2, 24, 34})
            EXPECT_TRUE(statuses.write(number, QStringLiteral("Completed")));
        EXPECT_TRUE(statuses.write(3, QStringLiteral("Working")));
        TodoGrid grid;
        grid.setCell(1, 1, QStringLiteral("Order badge printer"));
        grid.setCell(1, 2, TodoDate::cellText(QDate(2026, 12, 20)));
        grid.setCell(2, 1, QStringLiteral("Renew firewall licence"));
        grid.setCell(2, 2, TodoDate::cellText(QDate(2026, 11, 2)));
        EXPECT_TRUE(TodoGridFile(folder.file(QStringLiteral("TODOActv.FIL"))).save(grid));
        writeEntry(QStringLiteral("Action0.Fil"),
                   QStringLiteral("We met on Monday.\nEncryption keys are kept offline "
                                  "in the safe.\nNothing else."));
        start.showSplash = [] {};
        start.showAreaWith = [this](int area, const AreaExtras &extras) { runArea(area, extras); };
    }
    ~HomeFixture() override
    {
        ContentFolder::setPath(m_previousContent);
        RuleReaderWindow::amendedTextShown = false;
    }

    void writeEntry(const QString &name, const QString &text)
    {
        QTextDocument document;
        document.setPlainText(text);
        QFile file(folder.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Rtf::write(document));
    }

    void load()
    {
        start.load();
        start.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&start));
        start.home->search()->waitForBuild();
    }

    void runArea(int area, const AreaExtras &extras)
    {
        opened.append(area);
        // The user looks once the window has gone to its place, which it does after its first activation.
        bool placed = !extras.firstActivated;
        AreaExtras watched = extras;
        if (extras.firstActivated)
            watched.firstActivated = [&placed, goTo = extras.firstActivated](AreaWindow &window) {
                goTo(window);
                placed = true;
            };
        std::unique_ptr<AreaWindow> window = makeAreaWindow(area, &start, watched);
        ASSERT_TRUE(window);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([&placed] { return placed; }, 2000)) << "area " << area << " not placed";
        QApplication::processEvents();
        ASSERT_FALSE(steps.isEmpty()) << "no step for area " << area;
        steps.takeFirst()(*window);
        window->close();
        QApplication::processEvents();
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    SteppedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
    StartScreen start;
    QList<int> opened;
    QList<Step> steps;

private:
    QString m_previousContent;
};
