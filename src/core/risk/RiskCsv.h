#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/files/Outcome.h"
#include "core/risk/Risk.h"

// The risk register as comma-separated UTF-8 text, one risk a line under a heading line. Reading checks
// every line before it gives any risk back: one bad line refuses the whole file.
namespace RiskCsv {

// Larger files are refused unread.
constexpr qint64 MaxFileSize = 32 * 1024 * 1024;
// Longer texts in a field are refused.
constexpr int MaxFieldLength = 10000;

QStringList columns();
QByteArray write(const QList<Risk> &risks);

struct Problem {
    int line;
    QString reason;
};

struct Parsed {
    QList<Risk> risks;
    QList<Problem> problems; // empty when every line is sound
};

// Risks without a rating date are rated on `today`.
Parsed parse(const QByteArray &bytes, const QDate &today);

// The whole file read and checked: its risks, or a sentence naming the file and each bad line.
Result<QList<Risk>> readFile(const QString &path, const QDate &today);
// Writes the file whole or leaves it as it was.
[[nodiscard]] Outcome writeFile(const QString &path, const QList<Risk> &risks);

} // namespace RiskCsv
