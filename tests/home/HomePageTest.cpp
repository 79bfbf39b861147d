#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>

#include "ui/widgets/richtext/RichTextBox.h"
#include "home/HomeFixture.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/home/HomeDashboard.h"
#include "ui/home/SearchWindow.h"
#include "ui/workarea/WorkAreaWindow.h"
#include "core/record/Decisions.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/risk/RiskStore.h"
#include "core/risk/RiskTableModel.h"
#include "ui/record/DecisionRegister.h"
#include "ui/record/ReviewsDueWindow.h"
#include "ui/risk/RiskEditor.h"
#include "ui/risk/RiskRegisterWindow.h"

namespace {

class HomeScreen : public HomeFixture
{
};

QString buttonText(const HomeDashboard &dashboard, const QString &caption)
{
    const QPushButton *button = dashboard.figureButton(caption);
    return button ? button->text() : QStringLiteral("<none>");
}

TEST_F(HomeScreen, ShowsEachCategoryAndTheToDoRowsPastTheirDate)
{
    load();
    const HomeDashboard &dashboard = *start.home->dashboard;
    ASSERT_EQ(dashboard.groups().size(), 5);
    QStringList notes;
    for (const Figure &figure : dashboard.groups()[0].figures)
        notes.append(figure.caption + QStringLiteral(": ") + figure.note);
    EXPECT_EQ(notes, (QStringList{
                         "Administrative Safeguards: 9 % Completed", "Physical Safeguards: 10 % Completed",
                         "Technical Safeguards: 11 % Completed", "Organizational Requirements: 0 % Completed",
                         "Policies and Procedures and Documentation Requirements: 0 % Completed"}));
    EXPECT_EQ(buttonText(dashboard, QStringLiteral("To-do items past their date")),
              "To-do items past their date: 1");
    EXPECT_EQ(buttonText(dashboard, QStringLiteral("Addressable items without a decision")),
              "Addressable items without a decision: 22");
    EXPECT_TRUE(dashboard.isVisible());
    EXPECT_GT(dashboard.y(), start.hintLabel->y());
}

TEST_F(HomeScreen, AFigureClickedOpensItsPlaceAndTheFiguresAreReadAgainAfterwards)
{
    load();
    steps.append([](AreaWindow &window) {
        auto &work = dynamic_cast<WorkAreaWindow &>(window);
        EXPECT_EQ(work.CurrentCategory, 2);
        EXPECT_EQ(work.sectionTabs->currentIndex(), 2);
    });
    QTest::mouseClick(start.home->dashboard->figureButton(QStringLiteral("Physical Safeguards")),
                      Qt::LeftButton);
    steps.append([this](AreaWindow &window) {
        auto &misc = dynamic_cast<MiscAreaWindow &>(window);
        EXPECT_EQ(misc.sectionTabs->currentIndex(), MiscAreaWindow::ToDoList);
        auto *grid = misc.findChild<QTableView *>(QStringLiteral("VSGd1"));
        ASSERT_TRUE(grid);
        EXPECT_EQ(grid->currentIndex().row(), 1);
        // Done meanwhile elsewhere: the figure is read again when the area closes.
        TodoGrid none;
        EXPECT_TRUE(TodoGridFile(folder.file(QStringLiteral("TODOActv.FIL"))).save(none));
    });
    QTest::mouseClick(start.home->dashboard->figureButton(QStringLiteral("To-do items past their date")),
                      Qt::LeftButton);
    EXPECT_EQ(opened, (QList<int>{2, 3}));
    EXPECT_TRUE(steps.isEmpty());
    EXPECT_EQ(buttonText(*start.home->dashboard, QStringLiteral("To-do items past their date")),
              "To-do items past their date: 0");
    EXPECT_EQ(start.areaTabs->currentIndex(), ProgramState::Home);
}

// Searches from the Options menu, opens the first result of `group` and returns its place's words.
struct Found
{
    int area = 0;
    QString selected;
};

class SearchEverything : public HomeFixture
{
protected:
    SearchWindow &search(const QString &text)
    {
        start.searchEverything->trigger();
        SearchWindow &window = *start.home->searchWindow();
        EXPECT_TRUE(window.isVisible());
        QTest::keyClicks(window.searchText, text);
        QTest::keyClick(window.searchText, Qt::Key_Return);
        return window;
    }
    QTreeWidgetItem *group(SearchWindow &window, const QString &name)
    {
        for (int i = 0; i < window.results->topLevelItemCount(); ++i)
            if (window.results->topLevelItem(i)->text(0).startsWith(name + QStringLiteral(" (")))
                return window.results->topLevelItem(i);
        return nullptr;
    }
};

TEST_F(SearchEverything, APhraseIsFoundWhereverItIsAndOpeningAResultSelectsTheWords)
{
    load();
    struct Case
    {
        const char *query;
        const char *group;
        int area;
        const char *selected; // letter case aside
    };
    const Case cases[] = {
        {"security incident procedures", "The Security Rule (2003)", 1, "security incident procedures"},
        {"business associate that is a subcontractor", "The Security Rule as amended", 1,
         "business associate that is a subcontractor"},
        {"background checks", "Rule text, references and guidance of the items", 2, "background checks"},
        {"ENCRYPTION KEYS", "Your entries", 2, "encryption keys"},
        {"firewall licence", "To-do list", 3, "renew firewall licence"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query);
        SearchWindow &window = search(QString::fromUtf8(c.query));
        QTreeWidgetItem *results = group(window, QString::fromUtf8(c.group));
        ASSERT_TRUE(results);
        ASSERT_GT(results->childCount(), 0);
        window.results->setCurrentItem(results->child(0));
        Found found;
        steps.append([&found](AreaWindow &area) {
            found.area = area.ownArea();
            if (auto *reader = dynamic_cast<RuleReaderWindow *>(&area))
                found.selected = reader->pageView->SelText();
            else if (auto *work = dynamic_cast<WorkAreaWindow *>(&area))
                found.selected = work->entryEditor->SelText();
            else if (auto *misc = dynamic_cast<MiscAreaWindow *>(&area)) {
                auto *grid = misc->findChild<QTableView *>(QStringLiteral("VSGd1"));
                found.selected = grid->currentIndex().data().toString();
            }
        });
        QTest::mouseClick(window.openButton, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(found.area, c.area);
        EXPECT_EQ(found.selected.toLower(), c.selected);
        window.searchText->clear();
    }
}

TEST_F(SearchEverything, ResultsAreGroupedWithTheirLinesAndCtrlFOnHomeOpensTheWindow)
{
    load();
    QTest::keyClick(&start, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(start.home->searchWindow());
    SearchWindow &window = *start.home->searchWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The focus follows the activation with the next events.
    EXPECT_TRUE(QTest::qWaitFor([&window] { return QApplication::focusWidget() == window.searchText; }, 1000));
    QTest::keyClicks(window.searchText, QStringLiteral("kept offline"));
    QTest::mouseClick(window.searchButton, Qt::LeftButton);
    ASSERT_EQ(window.results->topLevelItemCount(), 1);
    const QTreeWidgetItem *entries = window.results->topLevelItem(0);
    EXPECT_EQ(entries->text(0), "Your entries (1)");
    ASSERT_EQ(entries->childCount(), 1);
    EXPECT_EQ(entries->child(0)->text(0), "Risk Analysis (R) (164.308(a)(1)): Action Taken");
    EXPECT_EQ(entries->child(0)->text(1), "Encryption keys are kept offline in the safe.");
    EXPECT_EQ(window.statusLabel->text(), "1 found.");
}

TEST_F(SearchEverything, AnEntrySavedInTheWorkAreaIsFoundAtOnce)
{
    load();
    steps.append([this](AreaWindow &area) {
        auto &work = dynamic_cast<WorkAreaWindow &>(area);
        work.sectionTabs->setCurrentIndex(1);
        work.innerTabs[0]->setCurrentIndex(4);
        work.commentsOption->setChecked(true);
        work.entryEditor->setFocus();
        QTest::keyClicks(work.entryEditor, QStringLiteral("Quarterly tabletop drills"));
        QTest::mouseClick(work.saveButton, Qt::LeftButton);
        // Found while the work area is still open.
        QTRY_COMPARE(start.home->search()->index()->find(QStringLiteral("tabletop drills")).total, 1);
    });
    start.areaTabs->setCurrentIndex(ProgramState::OfficeActionArea);
    QApplication::processEvents();
    ASSERT_EQ(opened, QList<int>{2});
    ASSERT_TRUE(folder.exists(QStringLiteral("Comment4.Fil")));
    const SearchAnswer answer = start.home->search()->index()->find(QStringLiteral("tabletop drills"));
    ASSERT_EQ(answer.total, 1);
    EXPECT_EQ(start.home->search()->index()->document(answer.hits[0].document).title,
              "Assigned Security Responsibility (R) (164.308(a)(2)): Comments/Notes");
}

// A workbook whose compliance record holds one decision and two open risks, one of them Critical.
class HomeRecord : public SearchEverything
{
protected:
    static constexpr int decidedItem = 6;

    HomeRecord()
    {
        Result<RecordDatabase::Opened> opened = RecordDatabase::open(folder.path(), RecordDatabase::Access::Write);
        EXPECT_TRUE(opened && opened->database);
        RecordDatabase &record = *opened->database;
        const Decision decision{Decision::Alternative, QStringLiteral("One clerk works alone in a locked room."),
                                QStringLiteral("The door log is checked weekly."), QStringLiteral("Ann Lee"),
                                QDate(2026, 12, 1), QDateTime(QDate(2026, 12, 1), QTime(9, 0))};
        EXPECT_TRUE(Decisions(record).record(decidedItem, decision));
        for (auto [asset, vulnerability, rating] :
             {std::tuple{"Laptops", "Disks are not encrypted", 5}, std::tuple{"E-mail", "Old client", 1}}) {
            Risk risk;
            risk.asset = QString::fromLatin1(asset);
            risk.threat = QStringLiteral("Theft");
            risk.vulnerability = QString::fromLatin1(vulnerability);
            risk.rating = {QDate(2026, 12, 1), rating, rating};
            EXPECT_TRUE(RiskStore(record.connection()).add(risk));
        }
    }

    template <typename W> W *shown()
    {
        W *window = start.findChild<W *>();
        return window && window->isVisible() ? window : nullptr;
    }
    // Closes the window and lets it go, as its close box does.
    void close(QWidget *window)
    {
        window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString figure(const char *caption) { return buttonText(*start.home->dashboard, QString::fromLatin1(caption)); }
    void click(const char *caption)
    {
        QTest::mouseClick(start.home->dashboard->figureButton(QString::fromLatin1(caption)), Qt::LeftButton);
    }
};

TEST_F(HomeRecord, TheRecordsFiguresOpenTheirRegistersFilteredAndAreReadAgainWhenTheyClose)
{
    load();
    EXPECT_EQ(figure("Addressable items without a decision"), "Addressable items without a decision: 21");
    EXPECT_EQ(figure("Open High or Critical risks"), "Open High or Critical risks: 1");

    click("Addressable items without a decision");
    auto *decisions = shown<DecisionRegister>();
    ASSERT_TRUE(decisions);
    EXPECT_TRUE(decisions->undecidedFilter()->isChecked());
    EXPECT_EQ(decisions->table()->rowCount(), 21);
    // Decided meanwhile, as the register's Decision… button does.
    const int next = RecordItems::addressable().last();
    ASSERT_NE(next, decidedItem);
    ASSERT_TRUE(Decisions(*RecordDatabase::current())
                    .record(next, {Decision::AsSpecified, {}, {}, QStringLiteral("Ann"), QDate(2026, 12, 8), clock.time}));
    close(decisions);
    EXPECT_EQ(figure("Addressable items without a decision"), "Addressable items without a decision: 20");

    click("Reviews overdue");
    auto *reviews = shown<ReviewsDueWindow>();
    ASSERT_TRUE(reviews);
    close(reviews);

    click("Open High or Critical risks");
    auto *risks = shown<RiskRegisterWindow>();
    ASSERT_TRUE(risks);
    EXPECT_EQ(risks->levelFilter->currentText(), "High or Critical");
    EXPECT_EQ(risks->statusFilter->currentText(), "Open");
    ASSERT_EQ(risks->shownRisks()->rowCount(), 1);
    close(risks);
}

TEST_F(HomeRecord, ADecisionAndARiskAreFoundAndOpeningOneSelectsItsRow)
{
    load();
    {
        SearchWindow &window = search(QStringLiteral("locked room"));
        QTreeWidgetItem *found = group(window, QStringLiteral("Addressable decisions"));
        ASSERT_TRUE(found);
        ASSERT_EQ(found->childCount(), 1);
        EXPECT_EQ(found->child(0)->text(1), "Reasons: One clerk works alone in a locked room.");
        window.results->setCurrentItem(found->child(0));
        QTest::mouseClick(window.openButton, Qt::LeftButton);
        auto *decisions = shown<DecisionRegister>();
        ASSERT_TRUE(decisions);
        const int row = decisions->table()->currentRow();
        ASSERT_GE(row, 0);
        EXPECT_EQ(decisions->table()->item(row, 0)->text(), RecordItems::title(decidedItem));
        close(decisions);
        window.searchText->clear();
    }
    SearchWindow &window = search(QStringLiteral("disks are not encrypted"));
    QTreeWidgetItem *found = group(window, QStringLiteral("Risk register"));
    ASSERT_TRUE(found);
    ASSERT_EQ(found->childCount(), 1);
    EXPECT_EQ(found->child(0)->text(0), "Laptops: Theft (Critical)");
    window.results->setCurrentItem(found->child(0));
    QTest::mouseClick(window.openButton, Qt::LeftButton);
    auto *risks = shown<RiskRegisterWindow>();
    ASSERT_TRUE(risks);
    EXPECT_EQ(risks->editor->shown().vulnerability, "Disks are not encrypted");
    EXPECT_TRUE(risks->riskTable->selectionModel()->isRowSelected(risks->riskTable->currentIndex().row(), {}));
    close(risks);
}

TEST_F(HomeRecord, TheRecordControlsFitBesideTheItemsLabelsInTheWorkAreaAtItsOpeningSize)
{
    load();
    steps.append([](AreaWindow &area) {
        auto &work = dynamic_cast<WorkAreaWindow &>(area);
        const auto optionHeights = [&work] {
            QApplication::processEvents();
            QList<int> heights;
            for (const QRadioButton *option : {work.actionTakenOption, work.commentsOption, work.policiesOption,
                                               work.specificationOption, work.additionalInfoOption})
                heights.append(option->height());
            return heights;
        };
        work.sectionTabs->setCurrentIndex(1);
        work.innerTabs[0]->setCurrentIndex(0); // Risk Analysis (R): nothing of the record in its references
        work.ruleReferencesOption->click();
        const QList<int> without = optionHeights();
        work.innerTabs[0]->setCurrentIndex(5); // Authorization and/or Supervision (A)
        work.actionTakenOption->click();
        // The decision, its buttons and the review take no height from the item's options.
        EXPECT_EQ(optionHeights(), without);
        for (const char *name : {"decisionButton", "registerButton", "reviewedButton", "historyButton"}) {
            const auto *button = work.findChild<QPushButton *>(QString::fromLatin1(name));
            ASSERT_TRUE(button && button->isVisible()) << name;
            EXPECT_GE(button->width(), button->sizeHint().width()) << name;
        }
    });
    start.areaTabs->setCurrentIndex(ProgramState::OfficeActionArea);
    QApplication::processEvents();
    EXPECT_TRUE(steps.isEmpty());
}

} // namespace
