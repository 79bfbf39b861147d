#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include "core/risk/Risk.h"
#include "core/risk/RiskFilter.h"

// The register's risks as table rows, one column per field the register lists.
class RiskTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Number, Asset, Threat, Vulnerability, Likelihood, Impact, Score, Level, Trend, Response, Measure, Owner,
        Due, Status, TodoRow, ColumnCount
    };
    // The value a column sorts by: numbers as numbers, the level by its score, dates by their ISO text.
    static constexpr int SortRole = Qt::UserRole;

    explicit RiskTableModel(QObject *parent = nullptr);

    const QList<Risk> &risks() const { return m_risks; }
    void setRisks(QList<Risk> risks);
    const Risk &risk(int row) const { return m_risks.at(row); }
    // The row of the risk with this id; -1 when there is none.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString trendText(int trend);

private:
    QVariant display(const Risk &risk, int column) const;
    QVariant sortKey(const Risk &risk, int column) const;

    QList<Risk> m_risks;
};

// The rows of a RiskTableModel that pass a RiskFilter, sortable by any column.
class RiskFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit RiskFilterModel(RiskTableModel *source, QObject *parent = nullptr);

    const RiskFilter &filter() const { return m_filter; }
    void setFilter(const RiskFilter &filter);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    RiskTableModel *m_source;
    RiskFilter m_filter;
};
