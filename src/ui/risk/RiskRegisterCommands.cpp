#include <QDir>
#include <QPushButton>
#include <QTableView>

#include "ui/widgets/Dialogs.h"
#include "core/risk/RiskTableModel.h"
#include "core/todo/TodoRows.h"
#include "core/todo/TodoGridModel.h"
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

QString RiskRegisterWindow::todoItem(const Risk &risk)
{
    const QString measure = risk.measure.simplified();
    const QString item = risk.owner.isEmpty() ? measure : risk.owner + QStringLiteral(": ") + measure;
    return item.left(TodoGridModel::MaxItemLength);
}

void RiskRegisterWindow::sendToTodo()
{
    if (m_readOnly || !settleEdits())
        return;
    const Risk risk = editor->shown();
    if (risk.id == 0) {
        tell(QStringLiteral("Save the risk before sending its planned measure to the To Do List."),
             Dialogs::OkOnly + Dialogs::Exclamation);
        return;
    }
    if (risk.measure.trimmed().isEmpty()) {
        tell(QStringLiteral("Risk %1 has no planned measure to send to the To Do List.").arg(risk.id),
             Dialogs::OkOnly + Dialogs::Exclamation);
        return;
    }
    if (risk.todoRow > 0 &&
        Dialogs::current().messageBox(
            QStringLiteral("The measure of risk %1 was sent to row %2 of the To Do List already.\r\r"
                           "Do you want to send it again?")
                .arg(risk.id)
                .arg(risk.todoRow),
            Dialogs::YesNo + Dialogs::Question + Dialogs::DefaultButton2, QString::fromLatin1(Caption)) != Dialogs::Yes)
        return;
    const Result<int> row = TodoRows::append(QDir::currentPath(), TodoRow{todoItem(risk), risk.due});
    if (!row) {
        tell(QStringLiteral("The measure was not sent to the To Do List.\r\r") + row.error(),
             Dialogs::OkOnly + Dialogs::Critical);
        return;
    }
    if (const Outcome noted = m_store.setTodoRow(risk.id, row.value()); !noted) {
        tell(QStringLiteral("The measure is in row %1 of the To Do List, but the register could not note it.\r\r")
                     .arg(row.value()) +
                 noted.error,
             Dialogs::OkOnly + Dialogs::Exclamation);
        return;
    }
    if (reload())
        showRisk(risk.id);
    tell(QStringLiteral("The measure of risk %1 is in row %2 of the To Do List.").arg(risk.id).arg(row.value()),
         Dialogs::OkOnly + Dialogs::Information);
}
