#include "ui/home/PlaceOpener.h"

#include <QAction>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/misc/MiscAreaWindow.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace PlaceOpener {

namespace {

void select(RichTextBox &box, const Place &place)
{
    if (place.length <= 0)
        return;
    box.setSelStart(place.start);
    box.setSelLength(place.length);
    box.ensureCursorVisible();
    box.setFocus();
}

void goToPage(RuleReaderWindow &reader, const Place &place)
{
    if (place.page < 0 || place.page >= reader.pageOptions.size())
        return;
    if (reader.amendedTextAction->isChecked() != place.amended)
        reader.amendedTextAction->setChecked(place.amended);
    reader.amendedTextShown = place.amended;
    reader.pageOptions[place.page]->setChecked(true);
    reader.pageOptionClicked(place.page);
    select(*reader.pageView, place);
}

QRadioButton *viewOption(WorkAreaWindow &work, Place::View view)
{
    switch (view) {
    case Place::ActionTaken:
        return work.actionTakenOption;
    case Place::Comments:
        return work.commentsOption;
    case Place::Policies:
        return work.policiesOption;
    case Place::Specification:
        return work.specificationOption;
    case Place::References:
        return work.ruleReferencesOption;
    case Place::AdditionalInformation:
        return work.additionalInfoOption;
    case Place::NoView:
        break;
    }
    return nullptr;
}

void goToWork(WorkAreaWindow &work, const Place &place)
{
    if (place.category < 1 || place.category > work.innerTabs.size())
        return;
    work.sectionTabs->setCurrentIndex(place.category);
    if (work.CurrentCategory != place.category || place.kind != Place::WorkItem)
        return;
    QTabWidget *strip = work.innerTabs[place.category - 1];
    if (place.item >= 0 && place.item < strip->count())
        strip->setCurrentIndex(place.item);
    if (QRadioButton *option = viewOption(work, place.view); option && option->isEnabled())
        option->setChecked(true);
    select(*work.entryEditor, place);
}

void goToTodo(MiscAreaWindow &misc, const Place &place)
{
    misc.sectionTabs->setCurrentIndex(MiscAreaWindow::ToDoList);
    auto *grid = misc.findChild<QTableView *>(QStringLiteral("VSGd1"));
    if (!grid || !grid->model() || place.row < 1)
        return;
    const QModelIndex cell = grid->model()->index(place.row - 1, 1);
    grid->setCurrentIndex(cell);
    grid->scrollTo(cell);
    grid->setFocus();
}

} // namespace

int areaOf(const Place &place)
{
    switch (place.kind) {
    case Place::RulePage:
        return ProgramState::SecurityRule;
    case Place::WorkCategory:
    case Place::WorkItem:
        return ProgramState::OfficeActionArea;
    case Place::TodoList:
        return ProgramState::Miscellaneous;
    default:
        return 0;
    }
}

void goTo(AreaWindow &window, const Place &place)
{
    if (auto *reader = qobject_cast<RuleReaderWindow *>(&window); reader && place.kind == Place::RulePage)
        goToPage(*reader, place);
    else if (auto *work = qobject_cast<WorkAreaWindow *>(&window);
             work && areaOf(place) == ProgramState::OfficeActionArea)
        goToWork(*work, place);
    else if (auto *misc = qobject_cast<MiscAreaWindow *>(&window); misc && place.kind == Place::TodoList)
        goToTodo(*misc, place);
}

} // namespace PlaceOpener
