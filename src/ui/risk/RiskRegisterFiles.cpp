#include <QDir>
#include <QStandardPaths>

#include "ui/widgets/Dialogs.h"
#include "ui/preview/PrintPreview.h"
#include "core/risk/RiskCsv.h"
#include "core/risk/RiskReport.h"
#include "core/risk/RiskTableModel.h"
#include "ui/risk/RiskRegisterWindow.h"
#include "ui/exports/ReportWindow.h"

namespace {

const QString csvFilter = QStringLiteral("CSV files (*.csv)");

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// The risks as the table shows them: filtered and in its order.
QList<Risk> risksInTableOrder(const RiskFilterModel &shown, const RiskTableModel &model)
{
    QList<Risk> risks;
    for (int row = 0; row < shown.rowCount(); ++row)
        risks << model.risk(shown.mapToSource(shown.index(row, 0)).row());
    return risks;
}

} // namespace

void RiskRegisterWindow::importCsv()
{
    if (m_readOnly || !settleEdits())
        return;
    const QString path = Dialogs::current().openFileName(QStringLiteral("Import Risks"), documents(), csvFilter);
    if (path.isEmpty())
        return;
    const Result<QList<Risk>> risks = RiskCsv::readFile(path, today());
    if (!risks) {
        tell(risks.error(), Dialogs::OkOnly + Dialogs::Exclamation);
        return;
    }
    if (const Outcome stored = m_store.addAll(risks.value()); !stored) {
        tell(stored.error + QStringLiteral("\r\rNothing was imported."), Dialogs::OkOnly + Dialogs::Critical);
        return;
    }
    (void)reload();
    tell(QStringLiteral("%1 risks were imported from \"%2\".").arg(risks->size()).arg(QDir::toNativeSeparators(path)),
         Dialogs::OkOnly + Dialogs::Information);
}

void RiskRegisterWindow::exportCsv()
{
    const QString suggested = QDir(documents()).filePath(
        QStringLiteral("Risk Register %1.csv").arg(today().toString(Qt::ISODate)));
    const QString path = Dialogs::current().saveFileName(QStringLiteral("Export Risks"), suggested, csvFilter);
    if (path.isEmpty())
        return;
    // Every risk, in the order they were added: the file a later import reads back the same.
    if (const Outcome written = RiskCsv::writeFile(path, m_model->risks()); !written)
        tell(QStringLiteral("The risks could not be exported.\r\r") + written.error, Dialogs::OkOnly + Dialogs::Critical);
}

void RiskRegisterWindow::showReport()
{
    auto *report = new ReportWindow(QStringLiteral("riskReport"), QStringLiteral("Risk Register Report"), this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    RiskReport::render(report->preview->document(), risksInTableOrder(*m_shown, *m_model), today());
    report->showExports();
    report->resize(1000, 820);
    report->open();
}
