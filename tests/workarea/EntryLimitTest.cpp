#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>

#include "core/files/FileLimits.h"
#include "workarea/WorkAreaFixture.h"

namespace {

TEST_F(WorkArea, AnEntryLargerThanAnEntryMayHoldIsKeptAsideOnceAndNotShown)
{
    QFile big(folder.file(QStringLiteral("Action23.Fil")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(FileLimits::Entry.bytes + 1));
    big.close();
    openItem(2, 0);
    w.actionTakenOption->click();
    EXPECT_TRUE(w.entryEditor->Text().isEmpty());
    EXPECT_EQ(QFileInfo(folder.file(QStringLiteral("Action23.Fil.bak"))).size(), FileLimits::Entry.bytes + 1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Action23.Fil is larger than the 64 MB an entry may hold, so it is not "
                                        "shown. The file as it was is kept as Action23.Fil.bak.");
    w.ruleReferencesOption->click();
    w.actionTakenOption->click();
    EXPECT_EQ(dialogs.messages.size(), 1) << "told once";

    type(QStringLiteral("Tested"));
    w.saveAction->trigger();
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Action23.Fil"))), "Tested");
}

} // namespace
