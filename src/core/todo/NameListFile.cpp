#include "core/todo/NameListFile.h"

#include <utility>

NameListFile::NameListFile(const QString &path) : m_file(path) {}

LoadedFile<QStringList> NameListFile::load()
{
    LoadedFile<QStringList> loaded = m_file.load();
    for (QString &name : loaded.contents)
        name = name.trimmed();
    return loaded;
}

WriteResult NameListFile::save(const QStringList &names)
{
    return m_file.write(names);
}
