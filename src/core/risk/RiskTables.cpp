#include "core/risk/RiskTables.h"

namespace RiskTables {

const QStringList &createStatements()
{
    static const QStringList statements{
        QStringLiteral("CREATE TABLE risk_asset (name TEXT PRIMARY KEY NOT NULL COLLATE NOCASE)"),
        QStringLiteral("CREATE TABLE risk_threat (name TEXT PRIMARY KEY NOT NULL COLLATE NOCASE, "
                       "threat_group TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE risk (id INTEGER PRIMARY KEY, asset TEXT NOT NULL, threat TEXT NOT NULL, "
                       "threat_group TEXT NOT NULL, vulnerability TEXT NOT NULL, "
                       "likelihood INTEGER NOT NULL CHECK (likelihood BETWEEN 1 AND 5), "
                       "impact INTEGER NOT NULL CHECK (impact BETWEEN 1 AND 5), rated_on TEXT NOT NULL, "
                       "response TEXT NOT NULL, measure TEXT NOT NULL, owner TEXT NOT NULL, due TEXT NOT NULL, "
                       "open INTEGER NOT NULL, todo_row INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE risk_safeguard (risk_id INTEGER NOT NULL REFERENCES risk(id), "
                       "item INTEGER NOT NULL, PRIMARY KEY (risk_id, item))"),
        QStringLiteral("CREATE TABLE risk_rating (id INTEGER PRIMARY KEY, "
                       "risk_id INTEGER NOT NULL REFERENCES risk(id), rated_on TEXT NOT NULL, "
                       "likelihood INTEGER NOT NULL, impact INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX risk_rating_of_risk ON risk_rating (risk_id)"),
    };
    return statements;
}

} // namespace RiskTables
