#pragma once

#include <QString>

#include "core/files/Outcome.h"

class QTextDocument;

namespace OdtFile {

// Writes the document as an OpenDocument text file, replacing `path` only once the whole file is written.
[[nodiscard]] Outcome save(const QTextDocument &document, const QString &path);

} // namespace OdtFile
