#pragma once

#include <QString>
#include <QtGlobal>

// Names of the entry files: one rich-text file per catalogue item and entry kind, "Action0.Fil" to
// "Policy46.Fil" (the number is the item number minus 1), and the three read-only sample
// entries of the sample category.
namespace EntryFiles {

// Entry kind codes, as the work area keeps them.
enum Kind : qint16 { NoEntry = 0, Action = 3, Comment = 4, Policy = 5 };

// The entry file of an item (specification number 1 to 47); empty for anything else.
QString entryFileName(Kind kind, int specNumber);

// "SampleAct.Dat", "SampleCom.Dat", "SamplePol.Dat"; empty for NoEntry.
QString sampleFileName(Kind kind);

// The file shown for a category, inner tab and kind: the item's entry file in categories 1 to 5, the
// kind's sample in the sample category, empty where no entry can be shown.
QString fileName(Kind kind, int category, int innerTab);

// Whether the path names a sample entry, in any letter case.
bool isSample(const QString &path);

// Only the 141 entry files may be written: never a sample, an empty name or any other file.
bool mayBeWritten(const QString &path);

} // namespace EntryFiles
