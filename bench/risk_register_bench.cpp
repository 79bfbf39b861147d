// A register of 2,000 risks: opening the register window over it (reading the database, filling the
// table, the filters and the heat map) and filtering it by owner and by a heat map cell, target 100 ms;
// importing a 2,000-row CSV file (read, checked, stored in one transaction), target 1 s.
#include <QApplication>
#include <QComboBox>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QUuid>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "SilentDialogs.h"
#include "core/risk/RiskCsv.h"
#include "core/risk/RiskStore.h"
#include "ui/risk/RiskHeatMapView.h"
#include "ui/risk/RiskRegisterWindow.h"

namespace {

constexpr int riskCount = 2000;

QList<Risk> manyRisks()
{
    const QStringList assets{QStringLiteral("Practice management system"), QStringLiteral("Laptops"),
                             QStringLiteral("E-mail"), QStringLiteral("Backups"), QStringLiteral("Paper-to-scan tray")};
    QList<Risk> risks;
    for (int n = 0; n < riskCount; ++n) {
        Risk risk;
        risk.asset = assets.at(n % assets.size());
        risk.threat = ThreatList::builtIn().at(n % ThreatList::builtIn().size()).name;
        risk.threatGroup = ThreatList::builtIn().at(n % ThreatList::builtIn().size()).group;
        risk.vulnerability = QStringLiteral("Weakness number %1 found in the walk-through").arg(n);
        risk.safeguards = {1 + n % 47, 17};
        risk.rating = {QDate(2026, 1, 1).addDays(n % 300), n % 5 + 1, (n / 5) % 5 + 1};
        if (n % 3 == 0)
            risk.earlier = {{QDate(2025, 6, 1), 5, 5}};
        risk.measure = QStringLiteral("Planned measure %1").arg(n);
        risk.owner = QStringLiteral("Owner %1").arg(n % 12);
        risk.due = QDate(2027, 1, 1).addDays(n % 365);
        risk.open = n % 4 != 0;
        risks << risk;
    }
    return risks;
}

// A database file holding the risk tables, opened under its own connection name.
class BenchDatabase
{
public:
    BenchDatabase() : m_name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(m_dir.filePath(QStringLiteral("Tessarel.sqlite")));
        if (!db.open() || !RiskStore::createTables(db))
            qFatal("The benchmark database could not be made.");
    }
    ~BenchDatabase()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_name;
};

// Installs silent dialogs while it lives.
struct QuietDialogs {
    QuietDialogs() { Dialogs::install(&dialogs); }
    ~QuietDialogs() { Dialogs::install(nullptr); }
    SilentDialogs dialogs;
};

void BM_OpenAndFilterRegister(benchmark::State &state)
{
    QuietDialogs quiet;
    BenchDatabase file;
    if (!RiskStore(file.database()).addAll(manyRisks()))
        qFatal("The risks could not be stored.");
    for (auto _ : state) {
        RiskRegisterWindow window(file.database());
        window.ownerFilter->setCurrentIndex(3);
        window.heatMap->setSelected(3, 3);
        window.statusFilter->setCurrentIndex(1);
        benchmark::DoNotOptimize(window.shownRisks()->rowCount());
    }
}
BENCHMARK(BM_OpenAndFilterRegister)->Unit(benchmark::kMillisecond);

void BM_ImportTwoThousandRows(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("risks.csv"));
    if (!RiskCsv::writeFile(path, manyRisks()))
        qFatal("The CSV file could not be written.");
    for (auto _ : state) {
        state.PauseTiming();
        auto file = std::make_unique<BenchDatabase>();
        state.ResumeTiming();
        const Result<QList<Risk>> risks = RiskCsv::readFile(path, QDate(2026, 12, 8));
        if (!risks || !RiskStore(file->database()).addAll(risks.value()))
            qFatal("The import failed.");
        state.PauseTiming();
        file.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportTwoThousandRows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks<QApplication>(argc, argv); }
