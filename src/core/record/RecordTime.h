#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// How the record stores times and dates: UTC ISO 8601 with milliseconds, and "yyyy-MM-dd".
namespace RecordTime {

inline QString stored(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

inline QDateTime read(const QString &text)
{
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

inline QString storedDate(QDate date)
{
    return date.toString(Qt::ISODate);
}

inline QDate readDate(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace RecordTime
