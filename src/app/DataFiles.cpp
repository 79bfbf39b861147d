#include "app/DataFiles.h"

#include "misc/NameListFile.h"
#include "misc/TodoGridFile.h"
#include "settings/DisplaySettings.h"
#include "workarea/Catalogue.h"
#include "workarea/store/EntryFiles.h"
#include "workarea/store/StatusStore.h"

namespace DataFiles {

QStringList names()
{
    const QString nameList = QString::fromLatin1(NameListFile::DefaultFileName);
    const QString todoGrid = QString::fromLatin1(TodoGridFile::DefaultFileName);
    QStringList files{QString::fromLatin1(StatusStore::DefaultFileName),
                      QString::fromLatin1(DisplaySettings::DefaultFileName),
                      nameList,
                      todoGrid,
                      QuotedLineFile(nameList).keptCopyPath(),
                      QuotedLineFile(todoGrid).keptCopyPath()};
    for (const EntryFiles::Kind kind : {EntryFiles::Action, EntryFiles::Comment, EntryFiles::Policy}) {
        for (int item = 1; item <= Catalogue::itemCount; ++item)
            files.append(EntryFiles::entryFileName(kind, item));
    }
    return files;
}

} // namespace DataFiles
