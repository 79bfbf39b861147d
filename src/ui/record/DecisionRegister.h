#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableWidget;

// The register of the decisions on all 22 Addressable items: one row each with its decision, reasons,
// who decided and when; a filter that shows the undecided ones alone; the register through the print
// preview (and Save as PDF there).
class DecisionRegister : public QDialog
{
    Q_OBJECT

public:
    explicit DecisionRegister(QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QCheckBox *undecidedFilter() const { return m_undecided; }
    QPushButton *previewButton() const { return m_preview; }

    // Reads the decisions again and fills the rows.
    void refresh();
    // Opens the register in the print preview; the preview window, owned by this one.
    class RecordPreviewWindow *openPreview();
    // Selects the row of `item` when it is shown; false when it is not.
    bool selectItem(int item);
    // Opens the decision dialog for the item of `row`.
    void editRow(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTableWidget *m_table;
    QCheckBox *m_undecided;
    QPushButton *m_edit;
    QPushButton *m_preview;
    QPushButton *m_close;
    QList<int> m_items; // the item of each row shown
};
