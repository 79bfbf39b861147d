#include "core/exports/ReportTables.h"

#include "components/richtext/PlainText.h"
#include "reports/StatusReportRows.h"
#include "workarea/Catalogue.h"

namespace ReportTables {

namespace {

const QString sectionSign = QStringLiteral("\u00a7");
constexpr int firstListedCategory = 4; // the categories the printed report shows as headings only
constexpr int lastListedCategory = 5;

QStringList statusHeader()
{
    return {QStringLiteral("Standards"), QStringLiteral("Section"),
            QStringLiteral("Implementation Specification"), QStringLiteral("R/A"),
            QStringLiteral("Current Status")};
}

QString status(const StatusTable &statuses, int number)
{
    if (number <= 0 || number >= int(statuses.size()))
        return {};
    return PlainText::trimmedBlanks(statuses[size_t(number)]);
}

ReportTable printedTable(const StatusReportRows::Table &table, const StatusTable &statuses)
{
    ReportTable out{QString::fromLatin1(table.heading).trimmed() + QStringLiteral(" ") + sectionSign +
                        QString::fromLatin1(table.part),
                    statusHeader(),
                    {}};
    for (const StatusReportRows::Row &row : table.rows) {
        // A line that only carries on the standard's name above belongs to that row.
        if (!row.section && !row.specification && row.number == 0 && !out.rows.isEmpty()) {
            out.rows.last()[0] += u' ' + QString::fromLatin1(row.standard);
            continue;
        }
        out.rows.append(
            {QString::fromLatin1(row.standard), QString::fromLatin1(row.section ? row.section : ""),
             QString::fromLatin1(row.specification ? row.specification : ""),
             row.letter ? QString(QLatin1Char(row.letter)) : QString(), status(statuses, row.number)});
    }
    return out;
}

// "Risk Analysis (R)" gives "Risk Analysis" and "R".
std::pair<QString, QString> specificationAndLetter(const QString &specification)
{
    const QString trimmed = specification.trimmed();
    if (trimmed.endsWith(u')') && trimmed.size() >= 3 && trimmed[trimmed.size() - 3] == u'(')
        return {trimmed.left(trimmed.size() - 3).trimmed(), QString(trimmed[trimmed.size() - 2])};
    return {trimmed, {}};
}

ReportTable listedTable(int category, const StatusTable &statuses)
{
    const int index = category - firstListedCategory;
    ReportTable out{QString::fromLatin1(StatusReportRows::requirementHeadings[index]).trimmed() +
                        QStringLiteral(" ") + sectionSign +
                        QString::fromLatin1(StatusReportRows::requirementParts[index]),
                    statusHeader(),
                    {}};
    for (int tab = 0; tab < Catalogue::category(category).itemCount; ++tab) {
        const Catalogue::Item *item = Catalogue::item(category, tab);
        if (!item)
            continue;
        const auto [specification, letter] =
            item->isOverview() ? std::pair<QString, QString>{Catalogue::displayed(item->overviewTitle), {}}
                               : specificationAndLetter(Catalogue::displayed(item->specification));
        out.rows.append({Catalogue::displayed(item->standard), QString::fromUtf8(item->section),
                         specification, letter, status(statuses, item->number)});
    }
    return out;
}

} // namespace

QList<ReportTable> statuses(const StatusTable &table)
{
    QList<ReportTable> tables;
    for (int category = 0; category < 3; ++category)
        tables.append(printedTable(StatusReportRows::table(category), table));
    for (int category = firstListedCategory; category <= lastListedCategory; ++category)
        tables.append(listedTable(category, table));
    return tables;
}

QList<QStringList> statusSheet(const StatusTable &table)
{
    QList<QStringList> sheet{QStringList{QStringLiteral("Category")} + statusHeader()};
    for (const ReportTable &part : statuses(table))
        for (const QStringList &row : part.rows)
            sheet.append(QStringList{part.heading} + row);
    return sheet;
}

ReportTable todo(const TodoGrid &grid)
{
    ReportTable out{QStringLiteral("To Do List"),
                    {QStringLiteral("Item"), QStringLiteral("To Do Date"), QStringLiteral("Actual Date"),
                     QStringLiteral("Next Review Date")},
                    {}};
    for (int row = 1; row <= TodoGrid::Rows; ++row)
        if (grid.hasItem(row))
            out.rows.append({grid.cell(row, 1), grid.cell(row, 2), grid.cell(row, 3), grid.cell(row, 5)});
    return out;
}

QList<QStringList> todoSheet(const TodoGrid &grid)
{
    const ReportTable table = todo(grid);
    return QList<QStringList>{table.header} + table.rows;
}

} // namespace ReportTables
