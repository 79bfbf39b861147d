#include <QComboBox>
#include <QLabel>
#include <QTableView>

#include "core/risk/RiskTableModel.h"
#include "ui/risk/RiskEditor.h"
#include "ui/risk/RiskHeatMapView.h"
#include "ui/risk/RiskRegisterWindow.h"

namespace {

const QString everyOne = QStringLiteral("(all)");

// Refills a filter with `choices` after "(all)", keeping the choice made when it is still there.
void refill(QComboBox *box, const QStringList &choices)
{
    const QString kept = box->currentIndex() > 0 ? box->currentText() : QString();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(everyOne);
    box->addItems(choices);
    box->setCurrentIndex(qMax(0, box->findText(kept)));
}

QStringList distinct(const QList<Risk> &risks, QString Risk::*field)
{
    QStringList values;
    for (const Risk &risk : risks)
        if (!(risk.*field).isEmpty() && !values.contains(risk.*field))
            values << risk.*field;
    values.sort(Qt::CaseInsensitive);
    return values;
}

QString chosen(const QComboBox *box) { return box->currentIndex() > 0 ? box->currentText() : QString(); }

} // namespace

void RiskRegisterWindow::fillFilterChoices()
{
    if (levelFilter->count() == 0) {
        refill(levelFilter, RiskScale::levelNames() << QString::fromLatin1(RiskFilter::HighOrCritical));
        refill(statusFilter, {QStringLiteral("Open"), QStringLiteral("Closed")});
    }
    const QList<Risk> &risks = m_model->risks();
    refill(assetFilter, distinct(risks, &Risk::asset));
    refill(threatFilter, distinct(risks, &Risk::threat));
    refill(ownerFilter, distinct(risks, &Risk::owner));
}

void RiskRegisterWindow::applyFilters()
{
    RiskFilter filter;
    RiskScale::Level level;
    if (chosen(levelFilter) == QLatin1String(RiskFilter::HighOrCritical)) {
        filter.level = RiskScale::Level::High;
        filter.levelOrAbove = true;
    } else if (RiskScale::levelFromName(chosen(levelFilter), level)) {
        filter.level = level;
    }
    filter.asset = chosen(assetFilter);
    filter.threat = chosen(threatFilter);
    filter.owner = chosen(ownerFilter);
    filter.status = statusFilter->currentIndex() == 1   ? RiskFilter::Status::Open
                    : statusFilter->currentIndex() == 2 ? RiskFilter::Status::Closed
                                                        : RiskFilter::Status::Any;
    filter.likelihood = heatMap->selectedLikelihood();
    filter.impact = heatMap->selectedImpact();
    m_selecting = true;
    m_shown->setFilter(filter);
    m_selecting = false;
    heatMap->setCounts(RiskHeatCounts::of(m_model->risks(), filter));
    showCounts();
    selectShownRisk();
}

void RiskRegisterWindow::cellChosen(int, int) { applyFilters(); }

void RiskRegisterWindow::showOpen(const QString &levelChoice)
{
    setFilterChoices(levelChoice, QStringLiteral("Open"));
    applyFilters();
}

void RiskRegisterWindow::clearFilters()
{
    setFilterChoices({});
    applyFilters();
}

void RiskRegisterWindow::setFilterChoices(const QString &level, const QString &status)
{
    for (QComboBox *box : {levelFilter, assetFilter, threatFilter, ownerFilter, statusFilter}) {
        const QSignalBlocker quiet(box);
        const QString &text = box == levelFilter ? level : box == statusFilter ? status : QString();
        box->setCurrentIndex(text.isEmpty() ? 0 : qMax(0, box->findText(text)));
    }
    heatMap->setSelected(0, 0);
}

void RiskRegisterWindow::showCounts()
{
    const RiskFilter &filter = m_shown->filter();
    QString text = QStringLiteral("%1 of %2 risks shown").arg(m_shown->rowCount()).arg(m_model->rowCount());
    if (filter.hasCell())
        text += QStringLiteral(" (likelihood %1, impact %2)").arg(filter.likelihood).arg(filter.impact);
    countLabel->setText(text);
}
