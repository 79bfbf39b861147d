#include "app/DataFiles.h"

#include "backup/BackupFolderFile.h"
#include "backup/RestoreJournal.h"
#include "backup/WorkbookFiles.h"
#include "misc/NameListFile.h"
#include "misc/TodoGridFile.h"

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
