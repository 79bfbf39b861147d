#include "core/risk/RiskTableModel.h"

RiskTableModel::RiskTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void RiskTableModel::setRisks(QList<Risk> risks)
{
    beginResetModel();
    m_risks = std::move(risks);
    endResetModel();
}

int RiskTableModel::rowOf(qint64 id) const
{
    for (qsizetype row = 0; row < m_risks.size(); ++row)
        if (m_risks.at(row).id == id)
            return int(row);
    return -1;
}

int RiskTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_risks.size()); }

int RiskTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString RiskTableModel::trendText(int trend)
{
    return trend > 0 ? QStringLiteral("Rising") : trend < 0 ? QStringLiteral("Falling") : QString();
}

QVariant RiskTableModel::display(const Risk &risk, int column) const
{
    switch (column) {
    case Number: return risk.id;
    case Asset: return risk.asset;
    case Threat: return risk.threat;
    case Vulnerability: return risk.vulnerability;
    case Likelihood: return risk.rating.likelihood;
    case Impact: return risk.rating.impact;
    case Score: return risk.score();
    case Level: return RiskScale::levelName(risk.level());
    case Trend: return trendText(risk.trend());
    case Response: return RiskScale::responseName(risk.response);
    case Measure: return risk.measure;
    case Owner: return risk.owner;
    case Due: return risk.due.isValid() ? risk.due.toString(Qt::ISODate) : QString();
    case Status: return risk.open ? QStringLiteral("Open") : QStringLiteral("Closed");
    case TodoRow: return risk.todoRow > 0 ? QVariant(risk.todoRow) : QVariant(QString());
    }
    return {};
}

QVariant RiskTableModel::sortKey(const Risk &risk, int column) const
{
    switch (column) {
    case Level: return risk.score();
    case Trend: return risk.trend();
    case TodoRow: return risk.todoRow;
    case Asset: case Threat: case Vulnerability: case Measure: case Owner:
        return display(risk, column).toString().toLower();
    default: return display(risk, column);
    }
}

QVariant RiskTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_risks.size())
        return {};
    const Risk &risk = m_risks.at(index.row());
    if (role == Qt::DisplayRole)
        return display(risk, index.column());
    if (role == SortRole)
        return sortKey(risk, index.column());
    if (role == Qt::ToolTipRole && index.column() == Trend && !risk.earlier.isEmpty()) {
        QStringList steps;
        for (const RiskRating &rating : risk.earlier)
            steps << QStringLiteral("%1: %2").arg(rating.ratedOn.toString(Qt::ISODate)).arg(rating.score());
        steps << QStringLiteral("%1: %2").arg(risk.rating.ratedOn.toString(Qt::ISODate)).arg(risk.score());
        return steps.join(QStringLiteral(", "));
    }
    return {};
}

QVariant RiskTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *captions[] = {"No.", "Asset", "Threat", "Vulnerability", "Likelihood", "Impact", "Score",
                                     "Level", "Trend", "Response", "Planned measure", "Owner", "Due", "Status",
                                     "To-do row"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(captions[section]) : QString();
}

RiskFilterModel::RiskFilterModel(RiskTableModel *source, QObject *parent)
    : QSortFilterProxyModel(parent), m_source(source)
{
    setSourceModel(source);
    setSortRole(RiskTableModel::SortRole);
}

void RiskFilterModel::setFilter(const RiskFilter &filter)
{
    m_filter = filter;
    invalidateFilter();
}

bool RiskFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return m_filter.matches(m_source->risk(sourceRow));
}
