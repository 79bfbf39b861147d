#include <QAction>
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
    ASSERT_EQ(dashboard.groups().size(), 2);
    QStringList notes;
    for (const Figure &figure : dashboard.groups()[0].figures)
        notes.append(figure.caption + QStringLiteral(": ") + figure.note);
    EXPECT_EQ(notes, (QStringList{
                         "Administrative Safeguards: 9 % Completed", "Physical Safeguards: 10 % Completed",
                         "Technical Safeguards: 11 % Completed", "Organizational Requirements: 0 % Completed",
                         "Policies and Procedures and Documentation Requirements: 0 % Completed"}));
    EXPECT_EQ(buttonText(dashboard, QStringLiteral("To-do items past their date")),
              "To-do items past their date: 1");
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

} // namespace
