#include "core/todo/TodoGridFile.h"

#include "core/todo/TodoGridModel.h"

static_assert(FileLimits::TodoList.fields == TodoGrid::CellCount);
static_assert(FileLimits::TodoList.fieldLength == TodoGridModel::MaxItemLength);

TodoGridFile::TodoGridFile(const QString &path) : m_file(path) {}

LoadedFile<TodoGrid> TodoGridFile::load()
{
    const LoadedFile<QStringList> read = m_file.load();
    LoadedFile<TodoGrid> loaded{TodoGrid::fromFields(read.contents), read.found, read.partial, read.note};
    const auto count = read.contents.size();
    if (!read.partial && count > 0 && count < TodoGrid::CellCount) {
        loaded.note = m_file.keepBeforeNextWrite(
            QStringLiteral("ends after %1 of its %2 fields; the missing cells are empty")
                .arg(count)
                .arg(TodoGrid::CellCount));
        loaded.partial = true;
    }
    return loaded;
}

WriteResult TodoGridFile::save(const TodoGrid &grid)
{
    return m_file.write(grid.fileFields());
}
