#pragma once

#include <QString>

// The reference web sites of the "HIPAA Web Links" tab, in the order of their links.
namespace WebSites {

struct Site {
    QString caption;
    QString address;
};

constexpr int Count = 5;
const Site &site(int index);

} // namespace WebSites
