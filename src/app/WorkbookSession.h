#pragma once

#include <QString>
#include <memory>

#include "app/files/WorkbookLock.h"
#include "components/files/WorkbookAccess.h"
#include "core/record/RecordDatabase.h"

// One running copy's hold on its workbook folder: the folder's lock, read-only mode when another copy
// holds it, and the question asked before a file another program changed is replaced.
class WorkbookSession
{
  public:
    WorkbookSession();
    ~WorkbookSession();
    WorkbookSession(const WorkbookSession &) = delete;
    WorkbookSession &operator=(const WorkbookSession &) = delete;

    // Takes the folder's lock. When another copy holds it (or it cannot be made), says who and since
    // when and offers read-only. False when the user chose not to open the workbook. The record is
    // opened afterwards by openRecord(), once a restore cut short was finished.
    bool open(const QString &folder);
    bool isReadOnly() const { return m_access.isReadOnly(); }

    // Takes `folder`'s lock, to be kept by settle(true) when the workbook moves there. False, with the
    // reason told, when another copy holds it, it cannot be made, or this copy is read-only.
    bool reserve(const QString &folder);
    // Keeps the reserved lock in place of the current one (moved), or lets it go.
    void settle(bool moved);

    // Makes this session's access the one every file write consults, and its record the current one.
    void makeCurrent();

    // The folder's compliance record: writable for the lock's holder, read-only otherwise; null when
    // there is none.
    RecordDatabase *record() const { return m_record.get(); }
    // Opens the record of the folder opened (telling the user what was found wrong with it).
    void openRecord();

    // The text of the question asked before a changed file is replaced.
    static QString changedFileQuestion(const WorkbookAccess::ChangedFile &file);

  private:
    std::unique_ptr<WorkbookLock> m_lock;
    std::unique_ptr<WorkbookLock> m_reserved;
    WorkbookAccess m_access;
    std::unique_ptr<RecordDatabase> m_record;
};
