#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

#include "EntryText.h"
#include "core/risk/Risk.h"

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

// A risk register of `count` risks over 40 assets and 25 threats, every rating, one in three closed.
inline QList<Risk> risks(int count)
{
    QList<Risk> made;
    made.reserve(count);
    for (int n = 0; n < count; ++n) {
        Risk risk;
        risk.asset = QStringLiteral("Asset %1").arg(n % 40);
        risk.threat = QStringLiteral("Threat %1").arg(n % 25);
        risk.vulnerability = QStringLiteral("Unpatched server number %1 in the back office").arg(n);
        risk.measure = QStringLiteral("Patch monthly and check the log");
        risk.rating = {QDate(2026, 12, 8), n % 5 + 1, (n / 5) % 5 + 1};
        risk.open = n % 3 != 0;
        made.append(risk);
    }
    return made;
}

} // namespace FullWorkbook
