#pragma once

#include <QByteArray>
#include <QStringList>

// The bytes of a to-do file holding these values: one quoted value a line, CR LF.
inline QByteArray quotedLines(const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values)
        bytes += '"' + value.toLatin1() + "\"\r\n";
    return bytes;
}
