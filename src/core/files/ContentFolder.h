#pragma once

#include <QString>

// The read-only files installed with the program (pages, pictures, help) and where they lie.
namespace ContentFolder {

// Where the content files are read from; empty means the current folder.
QString path();
void setPath(const QString &folder);

// `name` (a bare file name) in the content folder.
QString file(const QString &name);

// The content folder of a program whose executable lies in `programFolder`: that folder itself when the
// content lies beside the executable (a build folder, a copied program folder), else the installation's
// shared-data folder `../share/<package>` when it holds the content. Empty when neither does.
QString locate(const QString &programFolder, const QString &package);

// A file every complete content folder holds.
inline constexpr auto MarkerFile = "PR0.Dat";

} // namespace ContentFolder
