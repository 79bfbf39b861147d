#include "core/home/DashboardModel.h"

void DashboardModel::addSource(const QString &name, Source source)
{
    for (auto &[known, existing] : m_sources)
        if (known == name) {
            existing = std::move(source);
            return;
        }
    m_sources.append({name, std::move(source)});
}

bool DashboardModel::hasSource(const QString &name) const
{
    for (const auto &entry : m_sources)
        if (entry.first == name)
            return true;
    return false;
}

QList<FigureGroup> DashboardModel::refresh() const
{
    QList<FigureGroup> groups;
    for (const auto &[name, source] : m_sources)
        groups.append({name, source()});
    return groups;
}
