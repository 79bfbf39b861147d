#pragma once

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "core/record/RecordDatabase.h"
#include "core/risk/Risk.h"
#include "core/risk/RiskStore.h"

// A compliance record made in a temporary folder, closed and removed at the end.
class RiskTestDatabase
{
public:
    RiskTestDatabase()
    {
        Result<RecordDatabase::Opened> opened = RecordDatabase::open(m_dir.path(), RecordDatabase::Access::Write);
        EXPECT_TRUE(opened) << opened.error().toStdString();
        if (opened)
            m_record = std::move(opened.value().database);
        EXPECT_TRUE(m_record);
    }

    QString path() const { return m_record->path(); }
    QSqlDatabase database() const { return m_record->connection(); }
    RiskStore store() const { return RiskStore(database()); }
    RecordDatabase &record() { return *m_record; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RecordDatabase> m_record;
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
