#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "components/files/Outcome.h"

// Keeps an entry's versions in the current compliance record across one save of its file: made before
// the save (it reads what the file holds), told after it succeeded.
class EntrySaveRecorder
{
public:
    EntrySaveRecorder(QString path, int item, int kind);

    // Records the version the save replaced and the one it wrote, when they differ; done at once when
    // there is no record (a read-only copy, a record that could not be opened).
    [[nodiscard]] Outcome saved(const QDateTime &now) const;

private:
    QString m_path;
    int m_item;
    int m_kind;
    QByteArray m_before;
    QDateTime m_beforeTime;
};
