#include "ui/workarea/WorkAreaWindow.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/widgets/richtext/RichTextBox.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/OverviewRows.h"
#include "ui/workarea/StatusBox.h"
#include "core/workbook/Clock.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/StatusHistory.h"

void WorkAreaWindow::showStatus(int specNumber)
{
    if (specNumber >= 1 && specNumber <= StatusStore::ItemCount)
        statusBox->showValue(statusTable[static_cast<std::size_t>(specNumber)]);
    updateRecordBar();
}

void WorkAreaWindow::statusChosen()
{
    if (CurrentCategory == Catalogue::sampleCategory)
        return;
    const int n = Catalogue::specificationNumber(CurrentCategory, CurrentItemTab);
    if (n < 1)
        return;
    const QString status = statusBox->currentText();
    const WriteResult result = StatusStore().write(n, status);
    if (result) {
        const QString before = statusTable[static_cast<std::size_t>(n)];
        statusTable[static_cast<std::size_t>(n)] = status;
        if (RecordDatabase *record = RecordDatabase::current(); record && !record->isReadOnly())
            if (const Outcome dated = StatusHistory(*record).record(n, before, status, RecordItems::userName(),
                                                                      Clock::current().now());
                !dated)
                reportRecordFailure(dated.error);
    } else
        reportSaveFailure(QStringLiteral("The status could not be saved to %1.").arg(QString::fromLatin1(StatusStore::DefaultFileName)),
                          result.error);
}

void WorkAreaWindow::categoryOptionClicked(int index)
{
    fillOverview(index);
}

void WorkAreaWindow::fillOverview(int category)
{
    const auto &rows = OverviewRows::rows(category);
    overviewHeading->setText(OverviewRows::heading(category));
    overviewGrid->clearContents();
    overviewGrid->setRowCount(static_cast<int>(rows.size()) + 1);
    const QStringList header = OverviewRows::header();
    for (int c = 0; c < header.size(); ++c) {
        auto *cell = new QTableWidgetItem(header[c]);
        QFont bold = cell->font();
        bold.setBold(true);
        cell->setFont(bold);
        cell->setTextAlignment(Qt::AlignCenter);
        overviewGrid->setItem(0, c, cell);
    }
    for (int k = 1; k <= rows.size(); ++k) {
        const QStringList cells = OverviewRows::cells(rows[k - 1], statusTable);
        for (int c = 0; c < cells.size(); ++c) {
            auto *cell =
                new QTableWidgetItem(QString(cells[c]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            cell->setTextAlignment(c == 1 || c >= 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            cell->setToolTip(cell->text()); // the whole text of a cell too narrow for it
            if (c == 1) {
                // The narrow section column: citations in smaller type so they are not cut short.
                QFont citation = overviewGrid->font();
                citation.setPointSizeF(citation.pointSizeF() - 1);
                cell->setFont(citation);
            }
            overviewGrid->setItem(k, c, cell);
        }
    }
    sizeOverview();
}

void WorkAreaWindow::sizeOverview()
{
    // The viewport follows the grid only after its resize event: measure from the grid itself.
    const int width =
        overviewGrid->contentsRect().width() - overviewGrid->verticalScrollBar()->sizeHint().width();
    static constexpr double columns[] = {0.30, 0.12, 0.36, 0.04};
    for (int c = 0; c < 4; ++c)
        overviewGrid->setColumnWidth(c, qRound(columns[c] * width));
    overviewGrid->setColumnWidth(4, std::max(60, width - overviewGrid->columnViewportPosition(4)));
    const auto &rows = OverviewRows::rows(categoryOptions[1]->isChecked()   ? 1
                                          : categoryOptions[2]->isChecked() ? 2
                                                                            : 0);
    const int defaultHeight = overviewGrid->verticalHeader()->defaultSectionSize();
    for (int k = 1; k <= rows.size() && k < overviewGrid->rowCount(); ++k) {
        const double fraction = rows[k - 1].heightFraction;
        overviewGrid->setRowHeight(k,
                                   fraction > 0 ? qRound(fraction * overviewGrid->height()) : defaultHeight);
    }
}

void WorkAreaWindow::resizeEvent(QResizeEvent *event)
{
    AreaWindow::resizeEvent(event);
    placeWorkPanel();
    sizeOverview();
}

void WorkAreaWindow::paintGridBackground()
{
    // The grid takes the text box's colours; a chosen picture lies behind its cells, tiled.
    QPalette palette = entryEditor->palette();
    if (!m_gridPicture.isNull())
        palette.setBrush(QPalette::Base, QBrush(m_gridPicture));
    overviewGrid->setPalette(palette);
}
