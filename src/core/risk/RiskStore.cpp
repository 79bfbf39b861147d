#include "core/risk/RiskStore.h"

#include <QDir>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>


namespace {

QString dateText(const QDate &date) { return date.isValid() ? date.toString(Qt::ISODate) : QString(); }

// An empty text is stored as "", never as NULL, which the tables refuse.
QVariant bound(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QStringLiteral("");
    return value;
}
QDate dateOf(const QVariant &value) { return QDate::fromString(value.toString(), Qt::ISODate); }

RiskScale::Response responseOf(const QString &name)
{
    RiskScale::Response response = RiskScale::Response::Reduce;
    (void)RiskScale::responseFromName(name, response);
    return response;
}

} // namespace

// Begins on construction; rolls back unless committed.
class RiskStore::Transaction
{
public:
    explicit Transaction(QSqlDatabase &db) : m_db(db), m_open(db.transaction()) {}
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    bool begun() const { return m_open; }
    bool commit()
    {
        m_open = !m_db.commit();
        return !m_open;
    }

private:
    QSqlDatabase &m_db;
    bool m_open;
};

RiskStore::RiskStore(QSqlDatabase database) : m_db(std::move(database)) {}

Outcome RiskStore::failure(const QString &what, const QString &reason) const
{
    return Outcome::failed(QStringLiteral("The risk register in \"%1\" could not be %2: %3.")
                               .arg(QDir::toNativeSeparators(m_db.databaseName()), what, reason.trimmed()));
}

Outcome RiskStore::failure(const QString &what, const QSqlQuery &query) const
{
    return failure(what, query.lastError().text());
}

Outcome RiskStore::exec(const QString &what, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(m_db);
    if (!query.prepare(sql))
        return failure(what, query);
    for (const QVariant &value : values)
        query.addBindValue(bound(value));
    return query.exec() ? Outcome::done() : failure(what, query);
}

Result<QList<Risk>> RiskStore::risks() const
{
    const QString what = QStringLiteral("read");
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, asset, threat, threat_group, vulnerability, likelihood, impact, "
                                   "rated_on, response, measure, owner, due, open, todo_row FROM risk ORDER BY id")))
        return failure(what, query);
    QList<Risk> list;
    QHash<qint64, qsizetype> at;
    while (query.next()) {
        Risk risk;
        risk.id = query.value(0).toLongLong();
        risk.asset = query.value(1).toString();
        risk.threat = query.value(2).toString();
        risk.threatGroup = query.value(3).toString();
        risk.vulnerability = query.value(4).toString();
        risk.rating = {dateOf(query.value(7)), query.value(5).toInt(), query.value(6).toInt()};
        risk.response = responseOf(query.value(8).toString());
        risk.measure = query.value(9).toString();
        risk.owner = query.value(10).toString();
        risk.due = dateOf(query.value(11));
        risk.open = query.value(12).toBool();
        risk.todoRow = query.value(13).toInt();
        at.insert(risk.id, list.size());
        list.append(std::move(risk));
    }
    if (!query.exec(QStringLiteral("SELECT risk_id, item FROM risk_safeguard ORDER BY risk_id, item")))
        return failure(what, query);
    while (query.next())
        if (auto found = at.constFind(query.value(0).toLongLong()); found != at.constEnd())
            list[*found].safeguards.append(query.value(1).toInt());
    if (!query.exec(QStringLiteral("SELECT risk_id, rated_on, likelihood, impact FROM risk_rating ORDER BY id")))
        return failure(what, query);
    while (query.next())
        if (auto found = at.constFind(query.value(0).toLongLong()); found != at.constEnd())
            list[*found].earlier.append({dateOf(query.value(1)), query.value(2).toInt(), query.value(3).toInt()});
    return list;
}

Outcome RiskStore::noteNames(const Risk &risk)
{
    const QString what = QStringLiteral("changed");
    if (Outcome asset = exec(what, QStringLiteral("INSERT OR IGNORE INTO risk_asset (name) VALUES (?)"),
                             {risk.asset.trimmed()});
        !asset)
        return asset;
    ThreatList builtIn;
    if (!builtIn.groupOf(risk.threat).isEmpty() || !ThreatList::groups().contains(risk.threatGroup))
        return Outcome::done();
    return exec(what, QStringLiteral("INSERT OR IGNORE INTO risk_threat (name, threat_group) VALUES (?, ?)"),
                {risk.threat.trimmed(), risk.threatGroup});
}

Outcome RiskStore::insertDetails(qint64 id, const Risk &risk)
{
    const QString what = QStringLiteral("changed");
    for (int item : risk.safeguards)
        if (Outcome done = exec(what, QStringLiteral("INSERT OR IGNORE INTO risk_safeguard (risk_id, item) VALUES (?, ?)"),
                                {id, item});
            !done)
            return done;
    for (const RiskRating &rating : risk.earlier)
        if (Outcome done = exec(what,
                                QStringLiteral("INSERT INTO risk_rating (risk_id, rated_on, likelihood, impact) "
                                               "VALUES (?, ?, ?, ?)"),
                                {id, dateText(rating.ratedOn), rating.likelihood, rating.impact});
            !done)
            return done;
    return noteNames(risk);
}

Outcome RiskStore::insert(const Risk &risk, qint64 &id)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO risk (asset, threat, threat_group, vulnerability, likelihood, impact, "
                                 "rated_on, response, measure, owner, due, open, todo_row) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &value :
         QVariantList{risk.asset, risk.threat, risk.threatGroup, risk.vulnerability, risk.rating.likelihood,
                      risk.rating.impact, dateText(risk.rating.ratedOn), RiskScale::responseName(risk.response),
                      risk.measure, risk.owner, dateText(risk.due), risk.open ? 1 : 0, risk.todoRow})
        query.addBindValue(bound(value));
    if (!query.exec())
        return failure(QStringLiteral("changed"), query);
    id = query.lastInsertId().toLongLong();
    return insertDetails(id, risk);
}

Result<qint64> RiskStore::add(const Risk &risk)
{
    Transaction transaction(m_db);
    qint64 id = 0;
    if (Outcome done = insert(risk, id); !done)
        return done;
    if (!transaction.commit())
        return failure(QStringLiteral("changed"), m_db.lastError().text());
    return id;
}

Outcome RiskStore::addAll(const QList<Risk> &risks)
{
    Transaction transaction(m_db);
    for (const Risk &risk : risks) {
        qint64 id = 0;
        if (Outcome done = insert(risk, id); !done)
            return done;
    }
    if (!transaction.commit())
        return failure(QStringLiteral("changed"), m_db.lastError().text());
    return Outcome::done();
}

Outcome RiskStore::save(const Risk &risk, const QDate &today)
{
    const QString what = QStringLiteral("changed");
    Transaction transaction(m_db);
    QSqlQuery stored(m_db);
    stored.prepare(QStringLiteral("SELECT likelihood, impact, rated_on FROM risk WHERE id = ?"));
    stored.addBindValue(risk.id);
    if (!stored.exec())
        return failure(what, stored);
    if (!stored.next())
        return failure(what, QStringLiteral("risk %1 is no longer in it").arg(risk.id));
    RiskRating rating = risk.rating;
    const RiskRating before{dateOf(stored.value(2)), stored.value(0).toInt(), stored.value(1).toInt()};
    stored.finish();
    if (before.likelihood != rating.likelihood || before.impact != rating.impact) {
        rating.ratedOn = today;
        if (Outcome kept = exec(what,
                                QStringLiteral("INSERT INTO risk_rating (risk_id, rated_on, likelihood, impact) "
                                               "VALUES (?, ?, ?, ?)"),
                                {risk.id, dateText(before.ratedOn), before.likelihood, before.impact});
            !kept)
            return kept;
    } else {
        rating.ratedOn = before.ratedOn;
    }
    if (Outcome updated =
            exec(what,
                 QStringLiteral("UPDATE risk SET asset = ?, threat = ?, threat_group = ?, vulnerability = ?, "
                                "likelihood = ?, impact = ?, rated_on = ?, response = ?, measure = ?, owner = ?, "
                                "due = ?, open = ?, todo_row = ? WHERE id = ?"),
                 {risk.asset, risk.threat, risk.threatGroup, risk.vulnerability, rating.likelihood, rating.impact,
                  dateText(rating.ratedOn), RiskScale::responseName(risk.response), risk.measure, risk.owner,
                  dateText(risk.due), risk.open ? 1 : 0, risk.todoRow, risk.id});
        !updated)
        return updated;
    if (Outcome cleared = exec(what, QStringLiteral("DELETE FROM risk_safeguard WHERE risk_id = ?"), {risk.id});
        !cleared)
        return cleared;
    Risk details = risk;
    details.earlier.clear(); // the earlier ratings are the store's own
    if (Outcome done = insertDetails(risk.id, details); !done)
        return done;
    if (!transaction.commit())
        return failure(what, m_db.lastError().text());
    return Outcome::done();
}

Outcome RiskStore::remove(qint64 id)
{
    const QString what = QStringLiteral("changed");
    Transaction transaction(m_db);
    for (const char *sql : {"DELETE FROM risk_safeguard WHERE risk_id = ?", "DELETE FROM risk_rating WHERE risk_id = ?",
                            "DELETE FROM risk WHERE id = ?"})
        if (Outcome done = exec(what, QString::fromLatin1(sql), {id}); !done)
            return done;
    if (!transaction.commit())
        return failure(what, m_db.lastError().text());
    return Outcome::done();
}

Outcome RiskStore::setTodoRow(qint64 id, int row)
{
    return exec(QStringLiteral("changed"), QStringLiteral("UPDATE risk SET todo_row = ? WHERE id = ?"), {row, id});
}

Result<QStringList> RiskStore::assets() const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT name FROM risk_asset ORDER BY name COLLATE NOCASE")))
        return failure(QStringLiteral("read"), query);
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

Outcome RiskStore::addAsset(const QString &name)
{
    if (name.trimmed().isEmpty())
        return failure(QStringLiteral("changed"), QStringLiteral("an asset needs a name"));
    return exec(QStringLiteral("changed"), QStringLiteral("INSERT OR IGNORE INTO risk_asset (name) VALUES (?)"),
                {name.trimmed()});
}

Outcome RiskStore::renameAsset(const QString &from, const QString &to)
{
    const QString what = QStringLiteral("changed");
    if (to.trimmed().isEmpty())
        return failure(what, QStringLiteral("an asset needs a name"));
    Transaction transaction(m_db);
    if (Outcome done = exec(what, QStringLiteral("DELETE FROM risk_asset WHERE name = ?"), {from}); !done)
        return done;
    if (Outcome done = exec(what, QStringLiteral("INSERT OR IGNORE INTO risk_asset (name) VALUES (?)"), {to.trimmed()});
        !done)
        return done;
    if (Outcome done = exec(what, QStringLiteral("UPDATE risk SET asset = ? WHERE asset = ?"), {to.trimmed(), from});
        !done)
        return done;
    if (!transaction.commit())
        return failure(what, m_db.lastError().text());
    return Outcome::done();
}

Outcome RiskStore::removeAsset(const QString &name)
{
    return exec(QStringLiteral("changed"), QStringLiteral("DELETE FROM risk_asset WHERE name = ?"), {name});
}

Result<ThreatList> RiskStore::threats() const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT name, threat_group FROM risk_threat ORDER BY rowid")))
        return failure(QStringLiteral("read"), query);
    ThreatList list;
    while (query.next())
        (void)list.add(query.value(0).toString(), query.value(1).toString());
    return list;
}

Outcome RiskStore::addThreat(const QString &name, const QString &group)
{
    ThreatList check;
    if (name.trimmed().isEmpty() || !ThreatList::groups().contains(group))
        return failure(QStringLiteral("changed"), QStringLiteral("a threat needs a name and one of the five groups"));
    if (!check.groupOf(name).isEmpty())
        return Outcome::done();
    return exec(QStringLiteral("changed"),
                QStringLiteral("INSERT OR IGNORE INTO risk_threat (name, threat_group) VALUES (?, ?)"),
                {name.trimmed(), group});
}
