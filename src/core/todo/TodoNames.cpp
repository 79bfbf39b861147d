#include "core/todo/TodoNames.h"

namespace {

QString withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString withoutLeadingBlanks(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

} // namespace

TodoNames::TodoNames(const QString &path) : m_file(path) {}

QString TodoNames::load()
{
    const LoadedFile<QStringList> loaded = m_file.load();
    m_names = loaded.contents;
    return loaded.partial ? loaded.note : QString();
}

std::optional<WriteResult> TodoNames::addIfNew(const QString &text)
{
    const QString key = withoutTrailingBlanks(text).toUpper();
    if (key.isEmpty())
        return std::nullopt;
    for (const QString &name : m_names)
        if (withoutTrailingBlanks(name).toUpper() == key)
            return std::nullopt;
    if (m_names.size() == 1 && m_names.first().isEmpty())
        m_names.clear();
    if (m_names.size() >= NameListFile::MaxNames)
        return std::nullopt;
    m_names.append(text);
    return m_file.save(m_names);
}

std::optional<WriteResult> TodoNames::remove(const QString &text)
{
    if (m_names.isEmpty())
        return std::nullopt;
    const QString key = text.trimmed().toUpper();
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).trimmed().toUpper() != key)
            continue;
        if (m_names.size() > 1)
            m_names.removeAt(i);
        else
            m_names.first().clear();
        break;
    }
    return m_file.save(m_names);
}

WriteResult TodoNames::replace(const QStringList &names)
{
    if (names.size() <= NameListFile::MaxNames)
        m_names = names;
    return m_file.save(names);
}

QString TodoNames::completion(const QString &typed) const
{
    const QString prefix = withoutLeadingBlanks(typed).toUpper();
    if (prefix.isEmpty())
        return {};
    for (const QString &name : m_names)
        if (name.toUpper().startsWith(prefix))
            return name;
    return {};
}
