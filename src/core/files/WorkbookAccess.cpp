#include "core/files/WorkbookAccess.h"

#include <QDir>
#include <QFileInfo>

namespace {

WorkbookAccess *installed = nullptr;

} // namespace

WorkbookAccess &WorkbookAccess::current()
{
    static WorkbookAccess programWide;
    return installed ? *installed : programWide;
}

void WorkbookAccess::install(WorkbookAccess *access)
{
    installed = access;
}

void WorkbookAccess::setReadOnly(const QString &folder, const QString &reason)
{
    m_readOnlyFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_reason = reason;
}

QString WorkbookAccess::refusal(const QString &path) const
{
    if (!isReadOnly())
        return {};
    const QString target = key(path);
    if (target == m_readOnlyFolder || target.startsWith(m_readOnlyFolder + QLatin1Char('/')))
        return QStringLiteral("the workbook is open read-only (%1)").arg(m_reason);
    return {};
}

void WorkbookAccess::recordRead(const QString &path, const QByteArray &bytes)
{
    m_stamps.insert(key(path), FileStamp::of(path, bytes));
}

void WorkbookAccess::recordMissing(const QString &path)
{
    m_stamps.insert(key(path), FileStamp::missing());
}

void WorkbookAccess::recordFile(const QString &path)
{
    m_stamps.insert(key(path), FileStamp::ofFile(path));
}

std::optional<FileStamp> WorkbookAccess::recorded(const QString &path) const
{
    const auto found = m_stamps.constFind(key(path));
    if (found == m_stamps.cend())
        return std::nullopt;
    return *found;
}

QString WorkbookAccess::key(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
