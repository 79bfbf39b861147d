#include "core/record/EntrySaveRecorder.h"

#include <QFile>
#include <QFileInfo>

#include "app/files/FileLimits.h"
#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"

namespace {

QByteArray readEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(FileLimits::Entry.bytes);
}

} // namespace

EntrySaveRecorder::EntrySaveRecorder(QString path, int item, int kind)
    : m_path(std::move(path)), m_item(item), m_kind(kind)
{
    if (RecordDatabase::current()) {
        m_before = readEntry(m_path);
        m_beforeTime = QFileInfo(m_path).lastModified();
    }
}

Outcome EntrySaveRecorder::saved(const QDateTime &now) const
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record || record->isReadOnly())
        return Outcome::done();
    return EntryHistory(*record).recordSave(m_item, m_kind, m_before, m_beforeTime, readEntry(m_path),
                                            RecordItems::userName(), now);
}
