#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Rows under named columns, written as aligned text, CSV (RFC 4180) or JSON (an array of objects keyed by
// the column names).
struct TableText
{
    enum class Format { Text, Csv, Json };

    QStringList columns;
    QList<QStringList> rows;
    QString warning; // said on the error stream: the source could be read only in part

    // "text", "csv" or "json"; nothing for any other name.
    static std::optional<Format> formatNamed(const QString &name);
    QString write(Format format) const;

private:
    QString text() const;
    QString csv() const;
    QString json() const;
};
