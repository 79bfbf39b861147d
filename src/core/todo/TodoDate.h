#pragma once

#include <QDate>
#include <QString>

// The date texts of the to-do list, always with English day and month names.
namespace TodoDate {

// The dates a cell text can hold: its two-digit year is read as 20yy.
inline const QDate FirstDate(2000, 1, 1);
inline const QDate LastDate(2099, 12, 31);

// "ddd - mmm d, yy": Mon - Dec 7, 26.
QString cellText(QDate date);
// The date of a cell text: what follows its first hyphen read as month name, day and two-digit year
// (2000 to 2099). Invalid when the text holds no such date.
QDate fromCellText(const QString &text);
// "mmmm dd, yyyy": December 07, 2026.
QString longText(QDate date);

} // namespace TodoDate
