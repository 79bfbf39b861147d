#include "ui/home/PlaceOpener.h"

#include <QAction>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include "app/HINFO1.h"
#include "components/richtext/RichTextBox.h"
#include "misc/Misc1.h"
#include "reader/PrivRule1.h"
#include "workarea/WorkArea1.h"

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

void goToPage(PrivRule1 &reader, const Place &place)
{
    if (place.page < 0 || place.page >= reader.SSOption1.size())
        return;
    if (reader.mOAmended->isChecked() != place.amended)
        reader.mOAmended->setChecked(place.amended);
    reader.amendedTextShown = place.amended;
    reader.SSOption1[place.page]->setChecked(true);
    reader.SSOption1_Click(place.page);
    select(*reader.RText2, place);
}

QRadioButton *viewOption(WorkArea1 &work, Place::View view)
{
    switch (view) {
    case Place::ActionTaken:
        return work.SSOption3;
    case Place::Comments:
        return work.SSOption4;
    case Place::Policies:
        return work.SSOption5;
    case Place::Specification:
        return work.SSOption6;
    case Place::References:
        return work.SSOption2;
    case Place::AdditionalInformation:
        return work.SSOption7;
    case Place::NoView:
        break;
    }
    return nullptr;
}

void goToWork(WorkArea1 &work, const Place &place)
{
    if (place.category < 1 || place.category > work.innerTabs.size())
        return;
    work.SSTab2->setCurrentIndex(place.category);
    if (work.CurrentCategory != place.category || place.kind != Place::WorkItem)
        return;
    QTabWidget *strip = work.innerTabs[place.category - 1];
    if (place.item >= 0 && place.item < strip->count())
        strip->setCurrentIndex(place.item);
    if (QRadioButton *option = viewOption(work, place.view); option && option->isEnabled())
        option->setChecked(true);
    select(*work.Rtext3, place);
}

void goToTodo(Misc1 &misc, const Place &place)
{
    misc.SSTab2->setCurrentIndex(Misc1::ToDoList);
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
        return HINFO1::SecurityRule;
    case Place::WorkCategory:
    case Place::WorkItem:
        return HINFO1::OfficeActionArea;
    case Place::TodoList:
        return HINFO1::Miscellaneous;
    default:
        return 0;
    }
}

void goTo(AreaWindow &window, const Place &place)
{
    if (auto *reader = qobject_cast<PrivRule1 *>(&window); reader && place.kind == Place::RulePage)
        goToPage(*reader, place);
    else if (auto *work = qobject_cast<WorkArea1 *>(&window);
             work && areaOf(place) == HINFO1::OfficeActionArea)
        goToWork(*work, place);
    else if (auto *misc = qobject_cast<Misc1 *>(&window); misc && place.kind == Place::TodoList)
        goToTodo(*misc, place);
}

} // namespace PlaceOpener
