#pragma once

#include <QByteArray>
#include <QString>

class TempFolder;

// Converts the file `name` in `folder` with LibreOffice (headless, with a profile of its own in the
// folder) to `format` ("html", "fodt", "pdf"); the converted file's bytes, or empty on failure.
QByteArray officeConvert(const TempFolder &folder, const QString &name, const QString &format);
