#include "core/workbook/WebSite.h"

namespace Product {

namespace {
QString &stored()
{
    static QString built = QStringLiteral(TESSAREL_WEB_SITE).trimmed();
    return built;
}
} // namespace

QString webAddress() { return stored(); }

void setWebAddress(const QString &address) { stored() = address.trimmed(); }

} // namespace Product
