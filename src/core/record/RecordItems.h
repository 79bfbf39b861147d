#pragma once

#include <QList>
#include <QString>

// The catalogue as the compliance record names it.
namespace RecordItems {

// The numbers of the Addressable items, marked (A) in the catalogue, ascending.
const QList<int> &addressable();
bool isAddressable(int item);

// The entry kinds in order (3 action taken, 4 comments, 5 policies) and their names.
const QList<int> &kinds();
QString kindName(int kind);

// "164.308(a)(3) Authorization and/or Supervision (A)".
QString title(int item);

// Who is named in the record as saving, deciding and reviewing: the name the user gave last, or the
// login name until one was given ("Unknown user" without one).
QString userName();
void rememberUserName(const QString &name);

} // namespace RecordItems
