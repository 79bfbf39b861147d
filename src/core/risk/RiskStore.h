#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

#include "core/files/Outcome.h"
#include "core/risk/Risk.h"
#include "core/risk/ThreatList.h"

class QSqlQuery;

// The risk register in the record database (its tables made by RecordSchema): risks with their safeguards and earlier ratings, the list of
// assets and the threats the user added. Every change is one transaction: it happens whole or not at all.
class RiskStore
{
public:
    explicit RiskStore(QSqlDatabase database);

    // Every risk in the order they were added.
    Result<QList<Risk>> risks() const;
    // Stores a new risk and its asset and threat; its id, or why it was not stored.
    Result<qint64> add(const Risk &risk);
    // Stores every risk, or none of them.
    [[nodiscard]] Outcome addAll(const QList<Risk> &risks);
    // Replaces the stored risk of the same id. A changed likelihood or impact is a re-rating on `today`:
    // the stored rating is kept among the earlier ones.
    [[nodiscard]] Outcome save(const Risk &risk, const QDate &today);
    [[nodiscard]] Outcome remove(qint64 id);
    [[nodiscard]] Outcome setTodoRow(qint64 id, int row);

    Result<QStringList> assets() const;
    [[nodiscard]] Outcome addAsset(const QString &name);
    // Renames the asset in the list and in every risk that names it.
    [[nodiscard]] Outcome renameAsset(const QString &from, const QString &to);
    // Takes the asset off the list; risks keep naming it.
    [[nodiscard]] Outcome removeAsset(const QString &name);

    // The built-in threats followed by the user's.
    Result<ThreatList> threats() const;
    [[nodiscard]] Outcome addThreat(const QString &name, const QString &group);

private:
    class Transaction;

    Outcome failure(const QString &what, const QSqlQuery &query) const;
    Outcome failure(const QString &what, const QString &reason) const;
    Outcome insert(const Risk &risk, qint64 &id);
    Outcome insertDetails(qint64 id, const Risk &risk);
    Outcome noteNames(const Risk &risk);
    Outcome exec(const QString &what, const QString &sql, const QVariantList &values);

    mutable QSqlDatabase m_db;
};
