#pragma once

#include <QMainWindow>
#include <QSqlDatabase>

#include "core/risk/RiskStore.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class RiskEditor;
class RiskFilterModel;
class RiskHeatMapView;
class RiskTableModel;

// The risk register: the risks of the workbook, filtered and sorted in a table beside their heat map,
// the selected one in an editor below, with the commands that save, remove, send, import, export and print.
class RiskRegisterWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr auto Caption = "Risk Register";
    static constexpr int HelpContext = 3030;

    explicit RiskRegisterWindow(QSqlDatabase database, QWidget *parent = nullptr);
    ~RiskRegisterWindow() override;

    QComboBox *levelFilter = nullptr;
    QComboBox *assetFilter = nullptr;
    QComboBox *threatFilter = nullptr;
    QComboBox *ownerFilter = nullptr;
    QComboBox *statusFilter = nullptr;
    QPushButton *clearFiltersButton = nullptr;
    QLabel *countLabel = nullptr;
    QTableView *riskTable = nullptr;
    RiskHeatMapView *heatMap = nullptr;
    RiskEditor *editor = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *todoButton = nullptr;
    QPushButton *reportButton = nullptr;
    QPushButton *importButton = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *closeButton = nullptr;

    RiskTableModel *model() const { return m_model; }
    RiskFilterModel *shownRisks() const { return m_shown; }

    // Reads the register again; false (and said) when it cannot be read.
    bool reload();
    // Shows the open risks of a level filter's choice ("High or Critical", a level's name), other filters off.
    void showOpen(const QString &levelChoice);
    // Shows the risk of this id in the editor and selects its row when it is shown.
    void showRisk(qint64 id);

    // Commands (RiskRegisterCommands.cpp).
    void newRisk();
    bool saveRisk();
    void deleteRisk();
    void sendToTodo();
    // The to-do item of a risk's measure: its owner first, the list cuts it to 45 characters.
    static QString todoItem(const Risk &risk);
    // Commands over files (RiskRegisterFiles.cpp).
    void importCsv();
    void exportCsv();
    void showReport();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createFilterRow(QWidget *parent);
    QWidget *createButtonRow(QWidget *parent);
    void createMenus();
    void holdWhenReadOnly();
    // Filters (RiskRegisterFilters.cpp).
    void fillFilterChoices();
    void applyFilters();
    void cellChosen(int likelihood, int impact);
    void clearFilters();
    // Every filter to "(all)" but the level and status given (by their text), the heat map cell off.
    void setFilterChoices(const QString &level, const QString &status = {});
    void showCounts();
    void currentRowChanged();
    // Selects the edited risk's row when the filters show it.
    void selectShownRisk();
    void refreshChoices();

    // False when the user keeps the edited risk on screen: a save failed or was cancelled.
    bool settleEdits();
    void tell(const QString &text, int style) const;
    QDate today() const;

    RiskStore m_store;
    RiskTableModel *m_model;
    RiskFilterModel *m_shown;
    bool m_readOnly = false;
    bool m_selecting = false;
};
