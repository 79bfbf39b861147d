#include "ui/home/RegisterOpener.h"

#include <QCheckBox>

#include "ui/record/DecisionRegister.h"
#include "ui/record/ReviewsDueWindow.h"
#include "ui/risk/RiskRegisterCommand.h"
#include "ui/risk/RiskRegisterWindow.h"

namespace RegisterOpener {

namespace {

QWidget *openDialog(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

QWidget *openDecisions(const Place &place, QWidget *parent)
{
    auto *window = new DecisionRegister(parent);
    if (!place.filter.isEmpty())
        window->undecidedFilter()->setChecked(true);
    openDialog(window);
    if (place.row > 0)
        window->selectItem(place.row);
    return window;
}

QWidget *openRisks(const Place &place, QWidget *parent)
{
    RiskRegisterWindow *window = RiskRegisterCommand::open(parent);
    if (!window)
        return nullptr;
    if (!place.filter.isEmpty())
        window->showOpen(place.filter);
    if (place.row > 0)
        window->showRisk(place.row);
    return window;
}

} // namespace

bool isRegister(const Place &place)
{
    return place.kind == Place::DecisionRegister || place.kind == Place::ReviewList ||
           place.kind == Place::RiskRegister;
}

QWidget *open(const Place &place, QWidget *parent)
{
    switch (place.kind) {
    case Place::DecisionRegister:
        return openDecisions(place, parent);
    case Place::ReviewList:
        return openDialog(new ReviewsDueWindow(parent));
    case Place::RiskRegister:
        return openRisks(place, parent);
    default:
        return nullptr;
    }
}

} // namespace RegisterOpener
