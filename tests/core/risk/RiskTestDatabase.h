#pragma once

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

#include "core/risk/Risk.h"
#include "core/risk/RiskStore.h"

// A record database file in a temporary folder with the risk tables made, closed and removed at the end.
class RiskTestDatabase
{
public:
    RiskTestDatabase() : m_name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path());
        EXPECT_TRUE(db.open());
        const Outcome made = RiskStore::createTables(db);
        EXPECT_TRUE(made) << made.error.toStdString();
    }
    ~RiskTestDatabase()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    RiskTestDatabase(const RiskTestDatabase &) = delete;
    RiskTestDatabase &operator=(const RiskTestDatabase &) = delete;

    QString path() const { return m_dir.filePath(QStringLiteral("Tessarel.sqlite")); }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name); }
    RiskStore store() const { return RiskStore(database()); }

private:
    QTemporaryDir m_dir;
    QString m_name;
};

// A risk of the register with every field filled; `n` varies the texts and ratings.
inline Risk sampleRisk(int n)
{
    Risk risk;
    const QStringList assets{QStringLiteral("Practice management system"), QStringLiteral("Laptops"),
                             QStringLiteral("E-mail"), QStringLiteral("Backups"), QStringLiteral("Paper-to-scan tray")};
    risk.asset = assets.at(n % assets.size());
    risk.threat = n % 7 == 0 ? QStringLiteral("Raccoons in the server room") : QStringLiteral("Flood");
    risk.threatGroup = n % 7 == 0 ? QStringLiteral("Environmental") : QStringLiteral("Natural");
    risk.vulnerability = QStringLiteral("Line one, with \"quotes\"\nline two %1").arg(n);
    risk.safeguards = n % 3 == 0 ? QList<int>{} : QList<int>{1, 17, 47};
    risk.rating = {QDate(2026, 1, 1).addDays(n % 300), n % 5 + 1, (n / 5) % 5 + 1};
    if (n % 4 == 0)
        risk.earlier = {{QDate(2025, 6, 1), 5, 5}, {QDate(2025, 9, 1), 4, 5}};
    risk.response = RiskScale::Response(n % 4);
    risk.measure = n % 11 == 0 ? QStringLiteral("=encrypt all laptops") : QStringLiteral("Encrypt, then test %1").arg(n);
    risk.owner = n % 2 ? QStringLiteral("Dana Whitfield") : QStringLiteral("Ira Lohmann");
    risk.due = n % 6 == 0 ? QDate() : QDate(2027, 3, 1).addDays(n % 200);
    risk.open = n % 9 != 0;
    risk.todoRow = n % 10 == 0 ? n % 500 + 1 : 0;
    return risk;
}
