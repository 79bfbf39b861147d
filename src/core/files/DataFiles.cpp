#include "core/files/DataFiles.h"

#include "core/backup/BackupFolderFile.h"
#include "core/backup/RestoreJournal.h"
#include "core/backup/WorkbookFiles.h"
#include "core/todo/NameListFile.h"
#include "core/todo/TodoGridFile.h"

namespace DataFiles {

QStringList names()
{
    QStringList files = WorkbookFiles::names();
    files += {QuotedLineFile(QString::fromLatin1(NameListFile::DefaultFileName)).keptCopyPath(),
              QuotedLineFile(QString::fromLatin1(TodoGridFile::DefaultFileName)).keptCopyPath(),
              QString::fromLatin1(BackupFolderFile::FileName), QString::fromLatin1(RestoreJournal::FileName)};
    return files;
}

} // namespace DataFiles
