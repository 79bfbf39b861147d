#pragma once

#include <QString>

namespace Product {

// The maker's web site: the build setting TESSAREL_WEB_SITE. Empty (the default): the program names none,
// and the Help menu and the about box leave their web site out.
QString webAddress();
// Stands another address in for the rest of the process (an empty one for none).
void setWebAddress(const QString &address);

} // namespace Product
