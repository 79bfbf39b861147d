#include "cli/WorkbookListings.h"

#include <QDir>
#include <QFileInfo>

#include "core/catalogue/Catalogue.h"
#include "core/todo/TodoGridFile.h"
#include "core/workbook/StatusStore.h"

namespace WorkbookListings {

namespace {

// "Office Action Area - Administrative Safeguards" names the category "Administrative Safeguards".
QString categoryName(int category)
{
    const QString caption = QString::fromLatin1(Catalogue::category(category).windowCaption);
    return caption.section(QStringLiteral(" - "), 1);
}

} // namespace

Result<TableText> statuses(const QString &folder)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(StatusStore::DefaultFileName));
    StatusTable table;
    if (QFileInfo::exists(path))
        table = StatusStore(path).readTable();
    TableText listing;
    listing.columns = {QStringLiteral("number"),        QStringLiteral("category"),
                       QStringLiteral("standard"),      QStringLiteral("section"),
                       QStringLiteral("specification"), QStringLiteral("R/A"),
                       QStringLiteral("status")};
    for (int number = 1; number <= Catalogue::itemCount; ++number) {
        const Catalogue::Item &item = *Catalogue::item(number);
        const char requirement = item.requirement();
        listing.rows.append({QString::number(number), categoryName(item.category),
                             Catalogue::displayed(item.isOverview() ? item.overviewTitle : item.standard),
                             QString::fromLatin1(item.section), item.isOverview() ? QString() : Catalogue::specificationName(item),
                             requirement ? QString(QLatin1Char(requirement)) : QString(),
                             table[number].trimmed()});
    }
    return listing;
}

Result<TableText> todoRows(const QString &folder)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(TodoGridFile::DefaultFileName));
    TableText listing;
    listing.columns = {QStringLiteral("row"), QStringLiteral("item"), QStringLiteral("to-do date"),
                       QStringLiteral("actual date"), QStringLiteral("next review date")};
    if (!QFileInfo::exists(path))
        return listing;
    TodoGridFile file(path);
    const LoadedFile<TodoGrid> loaded = file.load();
    if (loaded.partial)
        listing.warning = loaded.note;
    for (int row = 1; row <= TodoGrid::Rows; ++row) {
        if (!loaded.contents.hasItem(row))
            continue;
        const TodoGrid &grid = loaded.contents;
        listing.rows.append({QString::number(row), grid.item(row).trimmed(), grid.cell(row, 2).trimmed(),
                             grid.cell(row, 3).trimmed(), grid.cell(row, 5).trimmed()});
    }
    return listing;
}

} // namespace WorkbookListings
