#include "ui/record/DecisionRegister.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/RecordReport.h"
#include "ui/record/DecisionDialog.h"
#include "ui/record/RecordPreviewWindow.h"
#include "ui/record/RecordWidgets.h"

using RecordWidgets::button;

namespace {

const QString caption = QStringLiteral("Register of Addressable Decisions");

QMap<int, Decision> currentDecisions()
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record)
        return {};
    Result<QMap<int, Decision>> read = Decisions(*record).current();
    if (!read) {
        Dialogs::current().messageBox(read.error(), Dialogs::OkOnly + Dialogs::Exclamation, caption);
        return {};
    }
    return read.value();
}

} // namespace

DecisionRegister::DecisionRegister(QWidget *parent)
    : QDialog(parent),
      m_table(RecordWidgets::table("registerTable", caption,
                                   {QStringLiteral("Implementation specification"), QStringLiteral("Decision"),
                                    QStringLiteral("Decided by"), QStringLiteral("Date")},
                                   1, this)),
      m_undecided(new QCheckBox(QStringLiteral("Show &undecided only"), this)),
      m_edit(button("editDecisionButton", QStringLiteral("&Decision…"), this)),
      m_preview(button("previewButton", QStringLiteral("Print Pre&view…"), this)),
      m_close(button("closeButton", QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("decisionRegister"));
    setWindowTitle(caption);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setWordWrap(true);
    m_undecided->setObjectName(QStringLiteral("undecidedFilter"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_undecided);
    buttons->addStretch();
    for (QPushButton *b : {m_edit, m_preview, m_close})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    connect(m_undecided, &QCheckBox::toggled, this, &DecisionRegister::refresh);
    connect(m_edit, &QPushButton::clicked, this, [this] { editRow(m_table->currentRow()); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { editRow(row); });
    connect(m_preview, &QPushButton::clicked, this, &DecisionRegister::openPreview);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    m_edit->setEnabled(RecordDatabase::current() && !RecordDatabase::current()->isReadOnly());
    refresh();
    resize(980, 640);
}

void DecisionRegister::refresh()
{
    const auto rows = RecordReport::registerRows(currentDecisions(), m_undecided->isChecked());
    m_items.clear();
    m_table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const auto &[item, decision] = rows[r];
        m_items.append(item);
        QString text = Decision::text(decision.choice);
        if (!decision.reasons.isEmpty())
            text += QStringLiteral("\nReasons: ") + decision.reasons;
        if (!decision.alternative.isEmpty())
            text += QStringLiteral("\nAlternative measure: ") + decision.alternative;
        const QStringList cells{RecordItems::title(item), text, decision.decidedBy,
                                decision.decidedOn.isValid() ? decision.decidedOn.toString(QStringLiteral("MMM d, yyyy"))
                                                             : QString()};
        for (int c = 0; c < cells.size(); ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_table->resizeColumnToContents(0);
    m_table->resizeRowsToContents();
}

void DecisionRegister::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Wrapped rows take their height from the column widths the window gives them.
    m_table->resizeRowsToContents();
}

RecordPreviewWindow *DecisionRegister::openPreview()
{
    const auto rows = RecordReport::registerRows(currentDecisions(), m_undecided->isChecked());
    auto *window = new RecordPreviewWindow(caption, RecordReport::registerHtml(rows, Clock::current().now()), this,
                                           RecordReport::registerSheet(rows));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

bool DecisionRegister::selectItem(int item)
{
    const int row = int(m_items.indexOf(item));
    if (row < 0)
        return false;
    m_table->selectRow(row);
    m_table->scrollToItem(m_table->item(row, 0));
    m_table->setFocus();
    return true;
}

void DecisionRegister::editRow(int row)
{
    if (row < 0 || row >= m_items.size())
        return;
    const int item = m_items[row];
    auto *dialog = new DecisionDialog(item, currentDecisions().value(item), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, &DecisionRegister::refresh);
    dialog->open();
}
