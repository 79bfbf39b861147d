#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextEdit>

#include "ui/preview/PrintPreview.h"
#include "core/record/Decisions.h"
#include "core/record/EntryHistory.h"
#include "core/record/StatusHistory.h"
#include "ui/record/DecisionDialog.h"
#include "ui/record/DecisionRegister.h"
#include "ui/record/HistoryWindow.h"
#include "ui/record/RecordPreviewWindow.h"
#include "ui/record/ReviewsDueWindow.h"
#include "ui/record/RecordFixture.h"
#include "ui/workarea/StatusBox.h"
#include "support/OfficeConvert.h"

namespace {

constexpr int item = 6;
constexpr int actionKind = 3;

int versionCount(RecordDatabase &db)
{
    return int(EntryHistory(db).versions(item, actionKind)->size());
}

bool anyFormat(QTextDocument *document, bool (QTextCharFormat::*has)() const)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if ((it.fragment().charFormat().*has)())
                return true;
    return false;
}

} // namespace

TEST_F(RecordWorkArea, ChangingSavesKeepVersionsThatHistoryComparesAndRestores)
{
    openAddressableItem();
    w.actionTakenOption->click();
    type(QStringLiteral("Access is granted by the office manager."));
    w.saveButton->click();
    EXPECT_EQ(versionCount(record.db()), 1);
    w.saveButton->click();
    EXPECT_EQ(versionCount(record.db()), 1) << "an unchanged save adds nothing";

    QTest::keyClick(w.entryEditor, Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral(" Reviewed yearly."));
    clock.time = clock.time.addDays(1);
    w.saveButton->click();
    ASSERT_EQ(versionCount(record.db()), 2);

    click("historyButton");
    auto *history = opened<HistoryWindow>("entryHistory");
    ASSERT_TRUE(history);
    QTableWidget *list = history->versionList();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_NE(list->item(0, 1)->text(), QStringLiteral("(before the history)")) << "saved by a named user";
    list->selectAll();
    history->findChild<QPushButton *>(QStringLiteral("compareButton"))->click();
    EXPECT_TRUE(history->view()->toPlainText().contains(QStringLiteral("Reviewed yearly.")));
    EXPECT_TRUE(anyFormat(history->view()->document(), &QTextCharFormat::fontUnderline)) << "added words underlined";

    list->clearSelection();
    list->selectRow(1); // the older version
    history->findChild<QPushButton *>(QStringLiteral("showVersionButton"))->click();
    EXPECT_EQ(history->view()->toPlainText(), QStringLiteral("Access is granted by the office manager."));
    EXPECT_TRUE(history->view()->isReadOnly());

    history->findChild<QPushButton *>(QStringLiteral("restoreButton"))->click();
    EXPECT_EQ(dialogs.messages.last().caption, QStringLiteral("Entry History"));
    EXPECT_EQ(textOf(folder.file(QStringLiteral("Action5.Fil"))), QStringLiteral("Access is granted by the office manager."));
    EXPECT_EQ(versionCount(record.db()), 3) << "restored as a new save; the replaced text stays";
    EXPECT_EQ(list->rowCount(), 3);
}

TEST_F(RecordWorkArea, StatusChangeIsDated)
{
    openAddressableItem();
    pickFromDroppedList(w.statusBox, 1);
    const auto changes = StatusHistory(record.db()).changes(item);
    ASSERT_TRUE(changes);
    ASSERT_EQ(changes->size(), 1);
    EXPECT_EQ(changes->first().from, QString());
    EXPECT_EQ(changes->first().to, w.statusBox->currentText());
    EXPECT_EQ(changes->first().at, clock.time);
}

TEST_F(RecordWorkArea, DecisionIsRefusedIncompleteAndReadBackAfterARestart)
{
    openAddressableItem();
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("decisionLabel"))->text(), QStringLiteral("Decision: Undecided"));
    click("decisionButton");
    auto *dialog = opened<DecisionDialog>("decisionDialog");
    ASSERT_TRUE(dialog);
    dialog->choiceBox()->setCurrentIndex(Decision::Alternative);
    dialog->decidedByEdit()->setText(QStringLiteral("Ann Lee"));
    dialog->saveButton()->click();
    EXPECT_TRUE(dialogs.messages.last().text.startsWith(QStringLiteral("Give the reasons")));
    EXPECT_TRUE(dialog->isVisible());

    QTest::keyClicks(dialog->reasonsEdit(), QStringLiteral("Two staff share one room."));
    QTest::keyClicks(dialog->alternativeEdit(), QStringLiteral("Sign-in sheet checked weekly."));
    dialog->saveButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    const QLabel *decision = w.findChild<QLabel *>(QStringLiteral("decisionLabel"));
    EXPECT_EQ(decision->text(), QStringLiteral("Decision: Equivalent alternative measure implemented"));
    EXPECT_EQ(decision->toolTip(), QStringLiteral("Decided by Ann Lee on Dec 8, 2026"));

    record.restart();
    const auto current = Decisions(record.db()).current();
    ASSERT_TRUE(current);
    const Decision read = current->value(item);
    EXPECT_EQ(read.choice, Decision::Alternative);
    EXPECT_EQ(read.reasons, QStringLiteral("Two staff share one room."));
    EXPECT_EQ(read.alternative, QStringLiteral("Sign-in sheet checked weekly."));
    EXPECT_EQ(read.decidedBy, QStringLiteral("Ann Lee"));
    EXPECT_EQ(read.decidedOn, QDate(2026, 12, 8));
}

TEST_F(RecordWorkArea, RegisterFiltersUndecidedAndSavesItsPreviewAsPdfCsvAndOdt)
{
    Decision decided{Decision::AsSpecified, {}, {}, QStringLiteral("Ann"), QDate(2026, 12, 1), clock.time};
    ASSERT_TRUE(Decisions(record.db()).record(10, decided));
    w.mORegister->trigger();
    auto *reg = opened<DecisionRegister>("decisionRegister");
    ASSERT_TRUE(reg);
    EXPECT_EQ(reg->table()->rowCount(), 22);
    reg->undecidedFilter()->click();
    EXPECT_EQ(reg->table()->rowCount(), 21);

    reg->previewButton()->click();
    auto *preview = reg->findChild<RecordPreviewWindow *>();
    ASSERT_TRUE(preview);
    EXPECT_GE(preview->preview->document().pageCount(), 1);
    const QString pdf = folder.file(QStringLiteral("register.pdf"));
    dialogs.answerFileName(pdf);
    preview->pdfButton->click();
    EXPECT_TRUE(folder.read(QStringLiteral("register.pdf")).startsWith("%PDF"));

    // The register leaves as a sheet too: the shown rows, each field apart, with a byte-order mark.
    ASSERT_FALSE(preview->csvButton->isHidden());
    dialogs.answerFileName(folder.file(QStringLiteral("register.csv")));
    preview->csvButton->click();
    const QByteArray csv = folder.read(QStringLiteral("register.csv"));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFSection,Implementation specification,Decision,Reasons,"
                               "Alternative measure,Decided by,Date\r\n"))
        << csv.left(120).toStdString();
    EXPECT_EQ(csv.count("\r\n"), 22);
    EXPECT_EQ(csv.count(",Undecided,,,,\r\n"), 21);

    // And as OpenDocument text that LibreOffice reads as one table of the 21 rows under their heading.
    dialogs.answerFileName(folder.file(QStringLiteral("register.odt")));
    preview->odtButton->click();
    const QString html = QString::fromUtf8(officeConvert(folder, QStringLiteral("register.odt"), QStringLiteral("html")));
    ASSERT_FALSE(html.isEmpty()) << "LibreOffice did not convert the file";
    EXPECT_EQ(html.count(QStringLiteral("<table")), 1);
    EXPECT_EQ(html.count(QStringLiteral("<tr")), 22);
    EXPECT_TRUE(html.simplified().contains(QStringLiteral("Register of Addressable Decisions")));
}

TEST_F(RecordWorkArea, DueReviewsAreSentToTheToDoList)
{
    ASSERT_TRUE(EntryHistory(record.db()).recordSave(item, actionKind, {}, {}, "{\\rtf1 old}", QStringLiteral("Ann"),
                                                     clock.time.addYears(-2)));
    w.mOReviews->trigger();
    auto *due = opened<ReviewsDueWindow>("reviewsDue");
    ASSERT_TRUE(due);
    ASSERT_EQ(due->table()->rowCount(), 1);
    due->table()->selectRow(0);
    due->findChild<QPushButton *>(QStringLiteral("sendTodoButton"))->click();
    const QByteArray todo = folder.read(QStringLiteral("TODOActv.FIL"));
    // Cut to the item column's 45 characters.
    EXPECT_TRUE(todo.startsWith("\"Review Action: Authorization and/or Supervisi\"\r\n\"Mon - Dec 8, 25\"\r\n"))
        << todo.left(120).toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("TODONAME.FIL")), "\"Review Action: Authorization and/or Supervisi\"\r\n");
}

TEST_F(RecordWorkArea, ComplianceRecordReportGoesThroughThePreview)
{
    ASSERT_TRUE(StatusHistory(record.db()).record(item, {}, QStringLiteral("Working"), QStringLiteral("Ann"), clock.time));
    w.statusTable[item] = QStringLiteral("Working");
    w.mORecordReport->trigger();
    auto *report = opened<RecordPreviewWindow>("recordPreview");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->windowTitle(), QStringLiteral("Compliance Record"));
    EXPECT_GE(report->preview->document().pageCount(), 2);
}
