#include <QApplication>
#include <QMenu>
#include <QPushButton>

#include "ui/start/StartScreen.h"
#include "core/risk/RiskTestDatabase.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/risk/RiskRegisterWindow.h"
#include "workarea/WorkAreaFixture.h"

namespace {

// Installs the record of a test database as the workbook's while it lives.
struct InstalledRecord {
    InstalledRecord() { RecordDatabase::install(&database.record()); }
    ~InstalledRecord() { RecordDatabase::install(nullptr); }
    RiskTestDatabase database;
};

RiskRegisterWindow *openedRegister(QWidget *over)
{
    QApplication::processEvents();
    return over->findChild<RiskRegisterWindow *>();
}

} // namespace

TEST(RiskRegisterCommand, TheStartScreenOpensItAfterTheAreaItemsOrSaysWhyNot)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    StartScreen start;
    const QList<QAction *> items = start.optionsMenu->actions();
    const auto at = std::find_if(items.begin(), items.end(),
                                 [](QAction *a) { return a->objectName() == QStringLiteral("mORiskRegister"); });
    ASSERT_NE(at, items.end());
    EXPECT_EQ((*at)->text(), QStringLiteral("Risk Re&gister…"));
    EXPECT_EQ((*(at - 1))->objectName(), QStringLiteral("mOTab(2)"));

    RecordDatabase::install(nullptr);
    (*at)->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().text.contains(QStringLiteral("Tessarel.sqlite")));
    EXPECT_EQ(openedRegister(&start), nullptr);

    InstalledRecord record;
    (*at)->trigger();
    RiskRegisterWindow *window = openedRegister(&start);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isModal());
    window->close();
}

TEST_F(WorkArea, TheRiskItemsCarryTheRegisterButton)
{
    w.show();
    const int items[][3] = {{1, 0, true}, {1, 1, true}, {1, 2, false}, {2, 0, false}};
    for (const auto &item : items) {
        openItem(item[0], item[1]);
        EXPECT_EQ(!w.riskRegisterButton->isHidden(), bool(item[2])) << item[0] << "/" << item[1];
    }
    w.sectionTabs->setCurrentIndex(0);
    EXPECT_TRUE(w.riskRegisterButton->isHidden());
    InstalledRecord record;
    openItem(1, 0);
    w.riskRegisterButton->click();
    RiskRegisterWindow *window = openedRegister(&w);
    ASSERT_NE(window, nullptr);
    window->close();
}
