#pragma once

#include "RuleText.h"

#include "core/text/WordDiff.h"

#include <vector>

class QTextCursor;

namespace ContentGen {

// Where the italic caption of a regulation paragraph ends, as the CFR sets it: "Standard: ... .",
// "Implementation specification(s) ...", a title marked "(Required)." or "(Addressable).", or a
// short heading of up to four words such as "Flexibility of approach.". Counted in the text after
// the paragraph's designations; 0 when it has none.
qsizetype captionLength(const QString &afterDesignations);

// The level of a paragraph's first printed designation, from 1 for (a); 1 for undesignated text.
int designationLevel(const RuleEntry &entry);

// Inserts regulation lines verbatim as the CFR prints them: section headings bold, paragraphs
// indented by level with italic captions and defined terms, the appendix matrix as a table.
// With `marks`, one list of runs per entry whose text they make up: removed words are struck through,
// added ones underlined (appendix rows, set as a table, are not marked).
void insertRuleEntries(QTextCursor &cursor, const QList<RuleEntry> &entries,
                       const std::vector<std::vector<WordDiff::Run>> *marks = nullptr);

} // namespace ContentGen
