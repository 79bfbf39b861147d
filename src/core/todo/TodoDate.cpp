#include "core/todo/TodoDate.h"

#include <QRegularExpression>
#include <array>

namespace TodoDate {

namespace {

const std::array<const char *, 7> Days{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const std::array<const char *, 12> Months{"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};

QString shortMonth(int month)
{
    return QString::fromLatin1(Months.at(month - 1), 3);
}

// 1 to 12 for a month name or its first three letters, any case; 0 otherwise.
int monthNumber(const QString &name)
{
    for (int m = 1; m <= 12; ++m) {
        const QString full = QString::fromLatin1(Months.at(m - 1));
        if (name.size() >= 3 && full.startsWith(name, Qt::CaseInsensitive))
            return m;
    }
    return 0;
}

} // namespace

QString cellText(QDate date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 - %2 %3, %4")
        .arg(QString::fromLatin1(Days.at(date.dayOfWeek() - 1)), shortMonth(date.month()))
        .arg(date.day())
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

QDate fromCellText(const QString &text)
{
    const qsizetype hyphen = text.indexOf(QLatin1Char('-'));
    if (hyphen < 0)
        return {};
    static const QRegularExpression pattern(QStringLiteral("^\\s*([A-Za-z]+)\\.?\\s+(\\d{1,2})\\s*,\\s*(\\d{2})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text.mid(hyphen + 1));
    if (!m.hasMatch())
        return {};
    const int month = monthNumber(m.captured(1));
    if (month == 0)
        return {};
    return QDate(FirstDate.year() + m.captured(3).toInt(), month, m.captured(2).toInt());
}

QString longText(QDate date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2, %3")
        .arg(QString::fromLatin1(Months.at(date.month() - 1)))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year());
}

} // namespace TodoDate
