#pragma once

#include <QStringList>

// The statements that create the risk register's tables in the record database.
namespace RiskTables {

const QStringList &createStatements();

} // namespace RiskTables
