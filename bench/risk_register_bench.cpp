// A register of 2,000 risks: opening the register window over it (reading the database, filling the
// table, the filters and the heat map) and filtering it by owner and by a heat map cell, target 100 ms;
// importing a 2,000-row CSV file (read, checked, stored in one transaction), target 1 s.
#include <QApplication>
#include <QComboBox>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "QtBenchmarkMain.h"
#include "SilentDialogs.h"
#include "core/record/RecordDatabase.h"
#include "core/risk/RiskCsv.h"
#include "core/risk/RiskStore.h"
#include "core/risk/RiskTableModel.h"
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

// A compliance record in a temporary folder.
class BenchDatabase
{
public:
    BenchDatabase()
    {
        Result<RecordDatabase::Opened> opened = RecordDatabase::open(m_dir.path(), RecordDatabase::Access::Write);
        if (!opened || !opened.value().database)
            qFatal("The benchmark database could not be made.");
        m_record = std::move(opened.value().database);
    }
    QSqlDatabase database() const { return m_record->connection(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RecordDatabase> m_record;
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
