#pragma once

#include <QString>

#include "core/files/SafeWrite.h"
#include "core/files/QuotedLineFile.h"
#include "core/todo/TodoGrid.h"
#include "core/files/FileNames.h"

// TODOActv.FIL, the to-do list: 2500 quoted lines, five for each of the 500 rows in row order.
class TodoGridFile
{
public:
    static constexpr auto DefaultFileName = FileNames::TodoList;

    explicit TodoGridFile(const QString &path = QString::fromLatin1(DefaultFileName));

    // Partial when the file is not the 2500 lines this program writes: it held more (the surplus is
    // not shown), longer cells (cut to the item column's 45 characters) or fewer lines (it was cut
    // short; the missing cells are empty).
    LoadedFile<TodoGrid> load();
    // Writes every cell as one quoted line, column 4 always empty.
    WriteResult save(const TodoGrid &grid);

    const QuotedLineFile &file() const { return m_file; }

private:
    QuotedLineFile m_file;
};
