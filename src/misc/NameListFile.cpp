#include "misc/NameListFile.h"

NameListFile::NameListFile(const QString &path) : m_file(path) {}

NameListFile::Loaded NameListFile::load()
{
    Loaded loaded;
    loaded.found = m_file.exists();
    const QStringList fields = m_file.read();
    for (const QString &field : fields.mid(0, MaxNames))
        loaded.names.append(field.trimmed());
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
