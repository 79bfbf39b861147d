#pragma once

#include <QString>

// The product's own names and texts.
namespace Product {
inline const QString name = QStringLiteral("Tessarel");
// The package's name: the executable's name and its shared-data folder.
inline constexpr auto packageName = "tessarel";
inline const QString version = QStringLiteral("Version 1.5");
inline const QString helpFile = QStringLiteral("TESSAREL.hlp");
inline const QString areaHelpFile = QStringLiteral("Tessarel.hlp");
inline const QString webSiteName = QStringLiteral("the Tessarel Web Site");
} // namespace Product
