#pragma once

#include <QSet>
#include <QString>

namespace RuleVocabulary {
// The words of the regulation text held in the program, in lower case.
const QSet<QString> &words();
}
