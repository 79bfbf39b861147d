#include <QDir>
#include <QFile>
#include <QPushButton>

#include "core/exports/Csv.h"
#include "core/exports/ReportTables.h"
#include "pagetools/PanelFixture.h"
#include "core/reports/StatusReport.h"
#include "support/SteppedClock.h"

using PanelExports = PanelTest;

namespace {

StatusTable statuses()
{
    StatusTable table;
    table[1] = QStringLiteral("Completed");
    table[16] = QStringLiteral("Working");
    return table;
}

} // namespace

TEST_P(PanelExports, EveryReportSavesAsOpenDocumentTextAndATableReportAlsoAsCsv)
{
    SteppedClock clock;
    auto panel = makePanel(GetParam());
    EXPECT_EQ(command(*panel, 6)->text(), QString::fromUtf8("Save as &ODT\u2026"));
    EXPECT_EQ(command(*panel, 7)->text(), QString::fromUtf8("Save as C&SV\u2026"));

    renderText(*panel, QStringLiteral("A report of lines"));
    EXPECT_FALSE(command(*panel, 7)->isVisible());
    dialogs.answerFileName(folder.file(QStringLiteral("lines")));
    command(*panel, 6)->click();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(dialogs.fileDialogs[0].caption, "Save as ODT");
    EXPECT_TRUE(dialogs.fileDialogs[0].path.endsWith(QStringLiteral("/Report 2026-12-08.odt")));
    const QByteArray odt = folder.read(QStringLiteral("lines.odt"));
    EXPECT_TRUE(odt.startsWith("PK"));
    EXPECT_TRUE(odt.contains("application/vnd.oasis.opendocument.text"));

    PreviewDocument &doc = panel->printPreview->document();
    StatusReport(doc, statuses(), Qt::black).build({true, false, false, false});
    QCoreApplication::processEvents();
    ASSERT_TRUE(command(*panel, 7)->isVisible());
    dialogs.answerFileName(folder.file(QStringLiteral("statuses")));
    command(*panel, 7)->click();
    EXPECT_EQ(dialogs.fileDialogs.last().caption, "Save as CSV");
    EXPECT_EQ(folder.read(QStringLiteral("statuses.csv")), Csv::encode(ReportTables::statusSheet(statuses())));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A file that cannot be written is told, naming it.
    QDir(folder.path()).mkdir(QStringLiteral("taken.odt"));
    dialogs.answerFileName(folder.file(QStringLiteral("taken.odt")));
    command(*panel, 6)->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("The report could not be saved as OpenDocument text.\r\rtaken.odt could not be saved: ")));
    EXPECT_EQ(dialogs.messages[0].caption, "Save as ODT");
}

TESSAREL_ALL_PANELS(PanelExports);
