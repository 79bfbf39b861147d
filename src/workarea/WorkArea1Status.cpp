#include "workarea/WorkArea1.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include "app/Clock.h"
#include "components/richtext/RichTextBox.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/StatusHistory.h"
#include "workarea/Catalogue.h"
#include "workarea/OverviewRows.h"
#include "workarea/StatusBox.h"

void WorkArea1::showStatus(int specNumber)
{
    if (specNumber >= 1 && specNumber <= StatusStore::ItemCount)
        Combo1->showValue(statusTable[static_cast<std::size_t>(specNumber)]);
    updateRecordBar();
}

void WorkArea1::Combo1_Click()
{
    if (CurrentCategory == Catalogue::sampleCategory)
        return;
    const int n = Catalogue::specificationNumber(CurrentCategory, CurrentItemTab);
    if (n < 1)
        return;
    const QString status = Combo1->currentText();
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

void WorkArea1::SSOption1_Click(int index)
{
    fillOverview(index);
}

void WorkArea1::fillOverview(int category)
{
    const auto &rows = OverviewRows::rows(category);
    Label3->setText(OverviewRows::heading(category));
    VSGd1->clearContents();
    VSGd1->setRowCount(static_cast<int>(rows.size()) + 1);
    const QStringList header = OverviewRows::header();
    for (int c = 0; c < header.size(); ++c) {
        auto *cell = new QTableWidgetItem(header[c]);
        QFont bold = cell->font();
        bold.setBold(true);
        cell->setFont(bold);
        cell->setTextAlignment(Qt::AlignCenter);
        VSGd1->setItem(0, c, cell);
    }
    for (int k = 1; k <= rows.size(); ++k) {
        const QStringList cells = OverviewRows::cells(rows[k - 1], statusTable);
        for (int c = 0; c < cells.size(); ++c) {
            auto *cell = new QTableWidgetItem(QString(cells[c]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            cell->setTextAlignment(c == 1 || c >= 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            cell->setToolTip(cell->text()); // the whole text of a cell too narrow for it
            if (c == 1) {
                // The narrow section column: citations in smaller type so they are not cut short.
                QFont citation = VSGd1->font();
                citation.setPointSizeF(citation.pointSizeF() - 1);
                cell->setFont(citation);
            }
            VSGd1->setItem(k, c, cell);
        }
    }
    sizeOverview();
}

void WorkArea1::sizeOverview()
{
    // The viewport follows the grid only after its resize event: measure from the grid itself.
    const int width = VSGd1->contentsRect().width() - VSGd1->verticalScrollBar()->sizeHint().width();
    static constexpr double columns[] = {0.30, 0.12, 0.36, 0.04};
    for (int c = 0; c < 4; ++c)
        VSGd1->setColumnWidth(c, qRound(columns[c] * width));
    VSGd1->setColumnWidth(4, std::max(60, width - VSGd1->columnViewportPosition(4)));
    const auto &rows = OverviewRows::rows(SSOption1[1]->isChecked() ? 1 : SSOption1[2]->isChecked() ? 2 : 0);
    const int defaultHeight = VSGd1->verticalHeader()->defaultSectionSize();
    for (int k = 1; k <= rows.size() && k < VSGd1->rowCount(); ++k) {
        const double fraction = rows[k - 1].heightFraction;
        VSGd1->setRowHeight(k, fraction > 0 ? qRound(fraction * VSGd1->height()) : defaultHeight);
    }
}

void WorkArea1::resizeEvent(QResizeEvent *event)
{
    AreaWindow::resizeEvent(event);
    placeWorkPanel();
    sizeOverview();
}

void WorkArea1::paintGridBackground()
{
    // The grid takes the text box's colours; a chosen picture lies behind its cells, tiled.
    QPalette palette = Rtext3->palette();
    if (!m_gridPicture.isNull())
        palette.setBrush(QPalette::Base, QBrush(m_gridPicture));
    VSGd1->setPalette(palette);
}
