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
    {"risk register: assets, threats added by the user, risks with their safeguards and earlier ratings",
     {QStringLiteral("CREATE TABLE risk_asset (name TEXT PRIMARY KEY NOT NULL COLLATE NOCASE)"),
      QStringLiteral("CREATE TABLE risk_threat (name TEXT PRIMARY KEY NOT NULL COLLATE NOCASE,"
                     " threat_group TEXT NOT NULL)"),
      QStringLiteral("CREATE TABLE risk ("
                     " id INTEGER PRIMARY KEY,"
                     " asset TEXT NOT NULL, threat TEXT NOT NULL, threat_group TEXT NOT NULL,"
                     " vulnerability TEXT NOT NULL,"
                     " likelihood INTEGER NOT NULL CHECK (likelihood BETWEEN 1 AND 5),"
                     " impact INTEGER NOT NULL CHECK (impact BETWEEN 1 AND 5), rated_on TEXT NOT NULL,"
                     " response TEXT NOT NULL, measure TEXT NOT NULL, owner TEXT NOT NULL, due TEXT NOT NULL,"
                     " open INTEGER NOT NULL, todo_row INTEGER NOT NULL)"),
      QStringLiteral("CREATE TABLE risk_safeguard ("
                     " risk_id INTEGER NOT NULL REFERENCES risk(id), item INTEGER NOT NULL,"
                     " PRIMARY KEY (risk_id, item))"),
      QStringLiteral("CREATE TABLE risk_rating ("
                     " id INTEGER PRIMARY KEY,"
                     " risk_id INTEGER NOT NULL REFERENCES risk(id), rated_on TEXT NOT NULL,"
                     " likelihood INTEGER NOT NULL, impact INTEGER NOT NULL)"),
      QStringLiteral("CREATE INDEX risk_rating_of_risk ON risk_rating (risk_id, id)")}},
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
