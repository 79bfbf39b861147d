#pragma once

#include <QColor>
#include <array>

#include "core/reports/StatusReportRows.h"
#include "core/workbook/StatusStore.h"

class PreviewDocument;

// Draws the status report into a preview document: a boxed, ruled table of standards, sections,
// implementation specifications, R/A letters and statuses per chosen safeguard category, laid out on
// the document's page width in twips. A table that runs past the bottom of a page is closed there and
// continues on the next page under a repeated header row.
class StatusReport
{
public:
    // The four print options: all safeguards, administrative, physical, technical.
    using Options = std::array<bool, 4>;

    StatusReport(PreviewDocument &document, const StatusTable &statuses, const QColor &textColour);

    // Discards the document and draws the report the options ask for; no option gives an empty document.
    void build(const Options &options);

private:
    void drawTable(const StatusReportRows::Table &table);
    void drawRequirementBox(int index);
    void drawLegend();

    void printTitle();
    void printCentred(const QString &text, qreal centre);
    void printAt(const QString &text, qreal x);
    void printHeaderRow();
    void printRow(const StatusReportRows::Row &row);
    void rule();
    // Draws the box edges and column dividers of the table part that ends at the current position.
    void closeTablePart(qreal boxTop, qreal dividerTop);
    // Moves to the top of a new page when `height` no longer fits above the bottom margin.
    bool breakBefore(qreal height);

    qreal pageBottom() const;
    QString status(int number) const;

    PreviewDocument &m_doc;
    const StatusTable &m_statuses;
    QColor m_textColour;
    qreal m_width = 0;
    qreal m_boxTop = 0;
    qreal m_headingBottom = 0;
    qreal m_tableBottom = 0;
};
