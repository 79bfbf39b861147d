#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

#include "EntryText.h"

// A full workbook for benchmarks: entries of varied words in a few fonts, as a user's text would be.
namespace FullWorkbook {

// An RTF entry of `size` bytes.
using ::entryText;

inline void write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace FullWorkbook
