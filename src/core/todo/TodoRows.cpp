#include "core/todo/TodoRows.h"

#include <QDir>

#include "misc/NameListFile.h"
#include "misc/TodoDate.h"
#include "misc/TodoGridFile.h"
#include "misc/TodoGridModel.h"
#include "misc/TodoNames.h"

namespace TodoRows {

Result<int> append(const QString &folder, const TodoRow &row)
{
    const QDir dir(folder);
    TodoGridFile file(dir.filePath(QString::fromLatin1(TodoGridFile::DefaultFileName)));
    TodoGrid grid = file.load().contents;
    const int free = grid.firstRowWithoutItem();
    if (free == 0)
        return Outcome::failed(QStringLiteral("\"%1\" was not added to the to-do list: all %2 of its rows hold "
                                              "an item.")
                                   .arg(row.item)
                                   .arg(TodoGrid::Rows));
    const QString item = row.item.left(TodoGridModel::MaxItemLength);
    grid.setCell(free, TodoGrid::ItemColumn, item);
    grid.setCell(free, 2, row.date.isValid() ? TodoDate::cellText(row.date) : QString());
    if (WriteResult saved = file.save(grid); !saved)
        return saved;

    TodoNames names(dir.filePath(QString::fromLatin1(NameListFile::DefaultFileName)));
    (void)names.load(); // a list read in part is kept aside by the next write
    if (const std::optional<WriteResult> added = names.addIfNew(item); added && !*added)
        return Outcome::failed(
            QStringLiteral("\"%1\" was added to row %2 of the to-do list, but not to its names: %3")
                .arg(item)
                .arg(free)
                .arg(added->error));
    return free;
}

} // namespace TodoRows
