#include "core/record/RecordSchema.h"

namespace RecordSchema {

namespace {

// Times are UTC in ISO 8601 with milliseconds ("2026-12-08T23:30:00.000Z"), dates "yyyy-MM-dd"; items
// are the catalogue's specification numbers (1 to 47), kinds the entry kinds as EntryFiles numbers them
// (3 action taken, 4 comments, 5 policies).
const Step Steps[] = {
    {"entry history, status changes, decisions and reviews",
     {QStringLiteral("CREATE TABLE entry_versions ("
                     " id INTEGER PRIMARY KEY,"
                     " item INTEGER NOT NULL, kind INTEGER NOT NULL,"
                     " saved_at TEXT NOT NULL, saved_by TEXT NOT NULL,"
                     " size INTEGER NOT NULL, sha256 TEXT NOT NULL,"
                     " content BLOB NOT NULL)"),
      QStringLiteral("CREATE INDEX entry_versions_by_entry ON entry_versions (item, kind, id)"),
      QStringLiteral("CREATE TABLE status_changes ("
                     " id INTEGER PRIMARY KEY,"
                     " item INTEGER NOT NULL,"
                     " old_status TEXT NOT NULL, new_status TEXT NOT NULL,"
                     " changed_at TEXT NOT NULL, changed_by TEXT NOT NULL)"),
      QStringLiteral("CREATE INDEX status_changes_by_item ON status_changes (item, id)"),
      QStringLiteral("CREATE TABLE decisions ("
                     " id INTEGER PRIMARY KEY,"
                     " item INTEGER NOT NULL, decision INTEGER NOT NULL,"
                     " reasons TEXT NOT NULL, alternative TEXT NOT NULL,"
                     " decided_by TEXT NOT NULL, decided_on TEXT NOT NULL,"
                     " recorded_at TEXT NOT NULL)"),
      QStringLiteral("CREATE INDEX decisions_by_item ON decisions (item, id)"),
      QStringLiteral("CREATE TABLE reviews ("
                     " id INTEGER PRIMARY KEY,"
                     " item INTEGER NOT NULL, kind INTEGER NOT NULL,"
                     " reviewed_on TEXT NOT NULL, reviewed_by TEXT NOT NULL,"
                     " recorded_at TEXT NOT NULL)"),
      QStringLiteral("CREATE INDEX reviews_by_entry ON reviews (item, kind, id)"),
      QStringLiteral("CREATE TABLE review_intervals ("
                     " item INTEGER NOT NULL, kind INTEGER NOT NULL,"
                     " months INTEGER NOT NULL,"
                     " PRIMARY KEY (item, kind))")}},
};

} // namespace

std::span<const Step> steps()
{
    return Steps;
}

int currentVersion()
{
    return int(steps().size());
}

} // namespace RecordSchema
