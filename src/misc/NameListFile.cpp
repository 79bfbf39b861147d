#include "misc/NameListFile.h"

#include <utility>

NameListFile::NameListFile(const QString &path) : m_file(path) {}

LoadedFile<QStringList> NameListFile::load()
{
    LoadedFile<QStringList> loaded = m_file.load();
    const QStringList fields = std::exchange(loaded.contents, {});
    for (const QString &field : fields.mid(0, MaxNames))
        loaded.contents.append(field.trimmed());
    if (fields.size() > MaxNames) {
        loaded.partial = true;
        loaded.note = m_file.keepBeforeNextWrite(
            QStringLiteral("holds %1 names; only the first %2 can be kept").arg(fields.size()).arg(MaxNames));
    }
    return loaded;
}

WriteResult NameListFile::save(const QStringList &names)
{
    return m_file.write(names);
}
