#pragma once

#include <QString>
#include <vector>

#include "reports/ReferenceTable.h"

class ReferenceBox;

// Building the texts shown beside a catalogue item, and highlighting their phrase.
namespace ReferenceText {

inline constexpr char lineBreak[] = "\r\n";
inline constexpr char ruleTextLabel[] = "Implementation Specification:";
inline constexpr char referencesLabel[] = "References in Rule:";
inline constexpr char additionalLabel[] = "Additional Information:";

// The label, a blank line and the lines joined by line breaks, trimmed of leading and trailing blanks;
// empty when there are no lines.
QString build(const char *label, const std::vector<ReferenceTable::Line> &lines);

// The built texts of item 1..47 (empty for a content-file text).
QString ruleText(int number);
QString references(int number);
// For an addressable item: the addressable explanation, a blank line, then the guidance.
QString additionalInformation(int number);

// Sets every whole-word occurrence of `phrase` from position 1 on in bold and underline, then places the
// caret at 1. An occurrence at the very first character stays as it is.
void highlight(ReferenceBox &box, const QString &phrase);

} // namespace ReferenceText
