#pragma once

#include <QString>
#include <vector>

#include "core/references/ReferenceTable.h"
#include "core/text/WordDiff.h"

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

inline constexpr char amendedHeading[] =
    "As amended 25 January 2013 (78 FR 5566), in force since 26 March 2013";
inline constexpr char amendedUnchanged[] = "Not changed by the 2013 amendments.";

// A word or paragraph the 2013 amendments removed (struck through) or added (underlined). Positions
// count a line break as one character, as the boxes do.
struct Mark
{
    int start;
    int length;
    WordDiff::Kind kind;
    bool operator==(const Mark &other) const = default;
};

struct MarkedText
{
    QString text;
    std::vector<Mark> marks;
};

// The rule text of item 1..47: the 2003 paragraphs, then, after a blank line, the amended heading, a
// blank line and the item's paragraphs as amended, or the unchanged line when none of them changed.
// Empty for the overview items.
MarkedText markedRuleText(int number);

// The built texts of item 1..47 (empty for a content-file text).
QString ruleText(int number);
QString references(int number);
// For an addressable item: the addressable explanation, a blank line, then the guidance.
QString additionalInformation(int number);

// Strikes through the removed and underlines the added words.
void markAmendments(ReferenceBox &box, const std::vector<Mark> &marks);

// Sets every whole-word occurrence of `phrase` from position 1 on in bold and underline, then places the
// caret at 1. An occurrence at the very first character stays as it is.
void highlight(ReferenceBox &box, const QString &phrase);

} // namespace ReferenceText
