#include "ui/risk/RiskRegisterWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "core/workbook/Clock.h"
#include "core/workbook/Product.h"
#include "ui/shell/ReadOnlyGate.h"
#include "ui/widgets/Dialogs.h"
#include "core/risk/RiskTableModel.h"
#include "ui/risk/RiskEditor.h"
#include "ui/risk/RiskHeatMapView.h"

namespace {

QComboBox *filterBox(QWidget *parent, QHBoxLayout *row, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMinimumContentsLength(8);
    label->setBuddy(box);
    row->addWidget(label);
    row->addWidget(box);
    return box;
}

QPushButton *button(QWidget *parent, QHBoxLayout *row, const QString &name, const QString &caption)
{
    auto *command = new QPushButton(caption, parent);
    command->setObjectName(name);
    row->addWidget(command);
    return command;
}

} // namespace

RiskRegisterWindow::RiskRegisterWindow(QSqlDatabase database, QWidget *parent)
    : QMainWindow(parent), m_store(std::move(database)), m_model(new RiskTableModel(this)),
      m_shown(new RiskFilterModel(m_model, this))
{
    setObjectName(QStringLiteral("riskRegister"));
    setWindowTitle(QString::fromLatin1(Caption));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(createFilterRow(central));
    auto *split = new QSplitter(Qt::Horizontal, central);
    riskTable = new QTableView(split);
    riskTable->setObjectName(QStringLiteral("riskTable"));
    riskTable->setAccessibleName(QStringLiteral("Risks"));
    riskTable->setModel(m_shown);
    riskTable->setSortingEnabled(true);
    riskTable->sortByColumn(RiskTableModel::Number, Qt::AscendingOrder);
    riskTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    riskTable->setSelectionMode(QAbstractItemView::SingleSelection);
    riskTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    riskTable->verticalHeader()->hide();
    riskTable->horizontalHeader()->setStretchLastSection(true);
    heatMap = new RiskHeatMapView(split);
    split->addWidget(riskTable);
    split->addWidget(heatMap);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);
    editor = new RiskEditor(central);
    layout->addWidget(editor);
    layout->addWidget(createButtonRow(central));
    setCentralWidget(central);
    createMenus();
    resize(1180, 860);

    connect(riskTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RiskRegisterWindow::currentRowChanged);
    connect(heatMap, &RiskHeatMapView::cellChosen, this, &RiskRegisterWindow::cellChosen);
    connect(editor, &RiskEditor::changed, this, [this] { saveButton->setEnabled(!m_readOnly); });
    holdWhenReadOnly();
    (void)reload();
    newRisk();
}

RiskRegisterWindow::~RiskRegisterWindow() = default;

QWidget *RiskRegisterWindow::createFilterRow(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    levelFilter = filterBox(box, row, QStringLiteral("levelFilter"), QStringLiteral("&Level:"));
    assetFilter = filterBox(box, row, QStringLiteral("assetFilter"), QStringLiteral("Asse&t:"));
    threatFilter = filterBox(box, row, QStringLiteral("threatFilter"), QStringLiteral("T&hreat:"));
    ownerFilter = filterBox(box, row, QStringLiteral("ownerFilter"), QStringLiteral("O&wner:"));
    statusFilter = filterBox(box, row, QStringLiteral("statusFilter"), QStringLiteral("Stat&us:"));
    clearFiltersButton = button(box, row, QStringLiteral("clearFiltersButton"), QStringLiteral("Show &All"));
    row->addStretch(1);
    countLabel = new QLabel(box);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    row->addWidget(countLabel);
    for (QComboBox *filter : {levelFilter, assetFilter, threatFilter, ownerFilter, statusFilter})
        connect(filter, &QComboBox::currentIndexChanged, this, &RiskRegisterWindow::applyFilters);
    connect(clearFiltersButton, &QPushButton::clicked, this, &RiskRegisterWindow::clearFilters);
    fillFilterChoices();
    return box;
}

QWidget *RiskRegisterWindow::createButtonRow(QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    newButton = button(box, row, QStringLiteral("newButton"), QStringLiteral("&New Risk"));
    saveButton = button(box, row, QStringLiteral("saveButton"), QStringLiteral("&Save Risk"));
    deleteButton = button(box, row, QStringLiteral("deleteButton"), QStringLiteral("&Delete Risk"));
    todoButton = button(box, row, QStringLiteral("todoButton"), QStringLiteral("Send to To &Do List"));
    row->addStretch(1);
    reportButton = button(box, row, QStringLiteral("reportButton"), QStringLiteral("&Print Report…"));
    importButton = button(box, row, QStringLiteral("importButton"), QStringLiteral("Imp&ort CSV…"));
    exportButton = button(box, row, QStringLiteral("exportButton"), QStringLiteral("E&xport CSV…"));
    closeButton = button(box, row, QStringLiteral("closeButton"), QStringLiteral("&Close"));
    // "Send to To Do List" uses D; Delete keeps its mnemonic on the menu and the Delete key.
    deleteButton->setText(QStringLiteral("Delete Ris&k"));
    connect(newButton, &QPushButton::clicked, this, &RiskRegisterWindow::newRisk);
    connect(saveButton, &QPushButton::clicked, this, [this] { (void)saveRisk(); });
    connect(deleteButton, &QPushButton::clicked, this, &RiskRegisterWindow::deleteRisk);
    connect(todoButton, &QPushButton::clicked, this, &RiskRegisterWindow::sendToTodo);
    connect(reportButton, &QPushButton::clicked, this, &RiskRegisterWindow::showReport);
    connect(importButton, &QPushButton::clicked, this, &RiskRegisterWindow::importCsv);
    connect(exportButton, &QPushButton::clicked, this, &RiskRegisterWindow::exportCsv);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    return box;
}

void RiskRegisterWindow::createMenus()
{
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction *topic = help->addAction(QStringLiteral("Risk Register &Help"));
    topic->setObjectName(QStringLiteral("helpTopic"));
    topic->setShortcut(QKeySequence::HelpContents);
    connect(topic, &QAction::triggered, this,
            [] { Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, HelpContext); });
}

void RiskRegisterWindow::holdWhenReadOnly()
{
    if (ReadOnlyGate *gate = ReadOnlyGate::attach(this, menuBar())) {
        m_readOnly = true;
        gate->hold({newButton, saveButton, deleteButton, todoButton, importButton, editor});
    }
}

bool RiskRegisterWindow::reload()
{
    const Result<QList<Risk>> risks = m_store.risks();
    if (!risks) {
        tell(risks.error(), Dialogs::OkOnly + Dialogs::Critical);
        return false;
    }
    m_selecting = true;
    m_model->setRisks(risks.value());
    m_selecting = false;
    refreshChoices();
    applyFilters();
    return true;
}

void RiskRegisterWindow::refreshChoices()
{
    const Result<QStringList> assets = m_store.assets();
    const Result<ThreatList> threats = m_store.threats();
    QStringList owners;
    for (const Risk &risk : m_model->risks())
        if (!risk.owner.isEmpty() && !owners.contains(risk.owner))
            owners << risk.owner;
    owners.sort(Qt::CaseInsensitive);
    editor->setChoices(assets ? assets.value() : QStringList{}, threats ? threats.value() : ThreatList{}, owners);
    fillFilterChoices();
}

void RiskRegisterWindow::showRisk(qint64 id)
{
    const int row = m_model->rowOf(id);
    if (row < 0)
        return;
    editor->setRisk(m_model->risk(row));
    selectShownRisk();
    saveButton->setEnabled(false);
    deleteButton->setEnabled(true);
}

void RiskRegisterWindow::selectShownRisk()
{
    const QModelIndex shown = m_shown->mapFromSource(m_model->index(m_model->rowOf(editor->shown().id), 0));
    m_selecting = true;
    if (shown.isValid())
        riskTable->selectionModel()->setCurrentIndex(
            shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        riskTable->selectionModel()->clearSelection();
    m_selecting = false;
}

void RiskRegisterWindow::currentRowChanged()
{
    if (m_selecting)
        return;
    const QModelIndex current = riskTable->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = m_model->risk(m_shown->mapToSource(current).row()).id;
    if (id == editor->shown().id)
        return;
    if (!settleEdits()) {
        // Back to the risk being edited, its edits kept.
        selectShownRisk();
        return;
    }
    showRisk(id);
}

bool RiskRegisterWindow::settleEdits()
{
    if (!editor->isChanged() || m_readOnly)
        return true;
    const int answer = Dialogs::current().messageBox(
        QStringLiteral("The risk shown has changes that are not saved.\r\rDo you want to save them?"),
        Dialogs::YesNoCancel + Dialogs::Question, QString::fromLatin1(Caption));
    if (answer == Dialogs::Cancel)
        return false;
    return answer == Dialogs::No || saveRisk();
}

void RiskRegisterWindow::closeEvent(QCloseEvent *event)
{
    if (settleEdits())
        event->accept();
    else
        event->ignore();
}

void RiskRegisterWindow::tell(const QString &text, int style) const
{
    Dialogs::current().messageBox(text, style, QString::fromLatin1(Caption));
}

QDate RiskRegisterWindow::today() const { return Clock::current().now().date(); }
