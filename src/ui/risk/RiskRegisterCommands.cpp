#include <QPushButton>
#include <QTableView>

#include "components/Dialogs.h"
#include "core/risk/RiskTableModel.h"
#include "ui/risk/RiskEditor.h"
#include "ui/risk/RiskRegisterWindow.h"

void RiskRegisterWindow::newRisk()
{
    if (!settleEdits())
        return;
    Risk risk;
    risk.rating.ratedOn = today();
    editor->setRisk(risk);
    m_selecting = true;
    riskTable->selectionModel()->clearSelection();
    m_selecting = false;
    saveButton->setEnabled(false);
    deleteButton->setEnabled(false);
}

bool RiskRegisterWindow::saveRisk()
{
    if (m_readOnly)
        return false;
    if (const QString problem = editor->problem(); !problem.isEmpty()) {
        tell(problem, Dialogs::OkOnly + Dialogs::Exclamation);
        return false;
    }
    Risk risk = editor->risk();
    if (risk.id == 0) {
        risk.rating.ratedOn = today();
        const Result<qint64> added = m_store.add(risk);
        if (!added) {
            tell(added.error(), Dialogs::OkOnly + Dialogs::Critical);
            return false;
        }
        risk.id = added.value();
    } else if (const Outcome saved = m_store.save(risk, today()); !saved) {
        tell(saved.error, Dialogs::OkOnly + Dialogs::Critical);
        return false;
    }
    editor->setRisk(risk); // nothing left to save, whatever the reload finds
    if (reload())
        showRisk(risk.id);
    deleteButton->setEnabled(!m_readOnly);
    return true;
}

void RiskRegisterWindow::deleteRisk()
{
    const Risk risk = editor->shown();
    if (risk.id == 0 || m_readOnly)
        return;
    const int answer = Dialogs::current().messageBox(
        QStringLiteral("Delete risk %1 (%2: %3) and its earlier ratings from the register?")
            .arg(risk.id)
            .arg(risk.asset, risk.threat),
        Dialogs::YesNo + Dialogs::Question + Dialogs::DefaultButton2, QString::fromLatin1(Caption));
    if (answer != Dialogs::Yes)
        return;
    if (const Outcome removed = m_store.remove(risk.id); !removed) {
        tell(removed.error, Dialogs::OkOnly + Dialogs::Critical);
        return;
    }
    editor->setRisk(Risk{});
    (void)reload();
    newRisk();
}
