#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "components/files/Outcome.h"

class RecordDatabase;

// One saved version of an entry, in effect from its save until the next one.
struct EntryVersion {
    qint64 id = 0;
    QDateTime savedAt;
    QString savedBy; // empty for the text an entry held before its history began
    qint64 size = 0;
    QByteArray sha256; // hex
};

// Every version of every entry that a save changed, compressed in the record. Versions are only
// ever added: none is removed, so each is kept far beyond six years after it was replaced.
class EntryHistory
{
public:
    explicit EntryHistory(RecordDatabase &database) : m_db(database) {}

    // Records a save of the entry (item, kind) that replaced `before` with `after`. Nothing when they are
    // equal. The text before is added first, dated `beforeTime`, when the history does not end with it
    // (an entry written before its history began, or changed by another program).
    [[nodiscard]] Outcome recordSave(int item, int kind, const QByteArray &before, const QDateTime &beforeTime,
                                     const QByteArray &after, const QString &user, const QDateTime &now);

    // The versions of an entry, oldest first, without their text.
    [[nodiscard]] Result<QList<EntryVersion>> versions(int item, int kind) const;
    // The bytes of one version, as saved.
    [[nodiscard]] Result<QByteArray> content(qint64 id) const;
    // How many versions each entry of `item` has, all kinds together.
    [[nodiscard]] Result<int> count(int item) const;

private:
    [[nodiscard]] Outcome add(int item, int kind, const QByteArray &bytes, const QDateTime &at,
                              const QString &user);

    RecordDatabase &m_db;
};
