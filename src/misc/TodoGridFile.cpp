#include "misc/TodoGridFile.h"

TodoGridFile::TodoGridFile(const QString &path) : m_file(path) {}

LoadedFile<TodoGrid> TodoGridFile::load()
{
    const LoadedFile<QStringList> read = m_file.load();
    LoadedFile<TodoGrid> loaded{TodoGrid::fromFields(read.contents), read.found, read.partial, read.note};
    const auto count = read.contents.size();
    if (read.partial)
        return loaded;
    if (count > TodoGrid::CellCount)
        loaded.note = m_file.keepBeforeNextWrite(
            QStringLiteral("holds %1 fields; only the first %2 (%3 rows) can be kept")
                .arg(count)
                .arg(TodoGrid::CellCount)
                .arg(TodoGrid::Rows));
    else if (count > 0 && count < TodoGrid::CellCount)
        loaded.note = m_file.keepBeforeNextWrite(
            QStringLiteral("ends after %1 of its %2 fields; the missing cells are empty")
                .arg(count)
                .arg(TodoGrid::CellCount));
    loaded.partial = !loaded.note.isEmpty();
    return loaded;
}

WriteResult TodoGridFile::save(const TodoGrid &grid)
{
    return m_file.write(grid.fileFields());
}
