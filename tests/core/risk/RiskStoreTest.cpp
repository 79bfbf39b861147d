#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "core/risk/RiskStore.h"
#include "RiskTestDatabase.h"

namespace {

QList<Risk> loaded(const RiskStore &store)
{
    const Result<QList<Risk>> risks = store.risks();
    EXPECT_TRUE(risks) << risks.error().toStdString();
    return risks ? risks.value() : QList<Risk>{};
}

int rowsIn(const QSqlDatabase &db, const QString &table)
{
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(QStringLiteral("SELECT count(*) FROM ") + table));
    return query.next() ? query.value(0).toInt() : -1;
}

} // namespace

TEST(RiskStore, RatedReRatedAndReloadedKeepsItsTrend)
{
    RiskTestDatabase file;
    Risk risk = sampleRisk(1);
    risk.earlier.clear();
    risk.rating = {QDate(2026, 1, 5), 4, 5};
    {
        RiskStore store = file.store();
        const Result<qint64> id = store.add(risk);
        ASSERT_TRUE(id) << id.error().toStdString();
        risk.id = id.value();
        risk.measure = QStringLiteral("Full-disk encryption on every laptop");
        ASSERT_TRUE(store.save(risk, QDate(2026, 2, 1))); // same rating: no trend step
        risk.rating.likelihood = 2;
        ASSERT_TRUE(store.save(risk, QDate(2026, 6, 1)));
        risk.rating.impact = 3;
        ASSERT_TRUE(store.save(risk, QDate(2026, 9, 1)));
    }
    const QList<Risk> risks = loaded(file.store());
    ASSERT_EQ(risks.size(), 1);
    const Risk &back = risks.front();
    EXPECT_EQ(back.measure, QStringLiteral("Full-disk encryption on every laptop"));
    EXPECT_EQ(back.rating, (RiskRating{QDate(2026, 9, 1), 2, 3}));
    EXPECT_EQ(back.earlier, (QList<RiskRating>{{QDate(2026, 1, 5), 4, 5}, {QDate(2026, 6, 1), 2, 5}}));
    EXPECT_EQ(back.trend(), -1);
    EXPECT_EQ(back.level(), RiskScale::Level::Moderate);
    EXPECT_EQ(back.safeguards, risk.safeguards);
}

TEST(RiskStore, EveryFieldReadsBackAfterTheDatabaseIsReopened)
{
    RiskTestDatabase file;
    QList<Risk> risks;
    for (int n = 0; n < 12; ++n)
        risks << sampleRisk(n);
    const Outcome stored = file.store().addAll(risks);
    ASSERT_TRUE(stored) << stored.error.toStdString();
    file.record().close();
    QString notice;
    ASSERT_TRUE(file.record().reopen(&notice));
    EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    const QList<Risk> back = loaded(file.store());
    ASSERT_EQ(back.size(), risks.size());
    for (int n = 0; n < risks.size(); ++n) {
        risks[n].id = back[n].id;
        EXPECT_EQ(back[n], risks[n]) << n;
    }
}

TEST(RiskStore, AFailedBatchStoresNothing)
{
    RiskTestDatabase file;
    QList<Risk> risks{sampleRisk(1), sampleRisk(2), sampleRisk(3)};
    risks[2].rating.likelihood = 9; // refused by the table's check
    const Outcome stored = file.store().addAll(risks);
    ASSERT_FALSE(stored);
    EXPECT_TRUE(stored.error.contains(file.path())) << stored.error.toStdString();
    EXPECT_EQ(rowsIn(file.database(), QStringLiteral("risk")), 0);
    EXPECT_EQ(rowsIn(file.database(), QStringLiteral("risk_safeguard")), 0);
    EXPECT_EQ(rowsIn(file.database(), QStringLiteral("risk_asset")), 0);
}

TEST(RiskStore, AssetsAndThreatsGrowWithTheRisksAndRenameEverywhere)
{
    RiskTestDatabase file;
    RiskStore store = file.store();
    ASSERT_TRUE(store.add(sampleRisk(7))); // "Raccoons in the server room", a threat of the user's
    ASSERT_TRUE(store.add(sampleRisk(1)));
    ASSERT_TRUE(store.addAsset(QStringLiteral("Fax machine")));
    EXPECT_EQ(store.assets().value(),
              (QStringList{QStringLiteral("E-mail"), QStringLiteral("Fax machine"), QStringLiteral("Laptops")}));
    ASSERT_TRUE(store.renameAsset(QStringLiteral("Laptops"), QStringLiteral("Notebook computers")));
    EXPECT_EQ(loaded(store).at(1).asset, QStringLiteral("Notebook computers"));
    EXPECT_FALSE(store.renameAsset(QStringLiteral("Fax machine"), QStringLiteral(" ")));
    ASSERT_TRUE(store.removeAsset(QStringLiteral("Fax machine")));
    EXPECT_EQ(store.assets().value().size(), 2);

    const ThreatList threats = store.threats().value();
    EXPECT_EQ(threats.all().size(), ThreatList::builtIn().size() + 1);
    EXPECT_EQ(threats.groupOf(QStringLiteral("Raccoons in the server room")), QStringLiteral("Environmental"));
    EXPECT_FALSE(store.addThreat(QStringLiteral("Solar flare"), QStringLiteral("Space")));
    ASSERT_TRUE(store.addThreat(QStringLiteral("Solar flare"), QStringLiteral("Natural")));
    EXPECT_EQ(store.threats().value().groupOf(QStringLiteral("Solar flare")), QStringLiteral("Natural"));
}

TEST(RiskStore, RemovedRiskTakesItsDetailsAndTodoRowIsNoted)
{
    RiskTestDatabase file;
    RiskStore store = file.store();
    const qint64 first = store.add(sampleRisk(4)).value();
    const qint64 second = store.add(sampleRisk(8)).value();
    ASSERT_TRUE(store.setTodoRow(second, 17));
    ASSERT_TRUE(store.remove(first));
    const QList<Risk> risks = loaded(store);
    ASSERT_EQ(risks.size(), 1);
    EXPECT_EQ(risks.front().todoRow, 17);
    EXPECT_EQ(rowsIn(file.database(), QStringLiteral("risk_rating")), 2); // the second's two earlier ratings
    EXPECT_EQ(rowsIn(file.database(), QStringLiteral("risk_safeguard")), 3);
    Risk gone = sampleRisk(4);
    gone.id = first;
    EXPECT_FALSE(store.save(gone, QDate(2026, 12, 8)));
}
