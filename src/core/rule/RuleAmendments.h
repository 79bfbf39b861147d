#pragma once

#include <QString>
#include <vector>

#include "core/text/WordDiff.h"

// The paragraphs of a stretch of the regulation as amended, each compared word by word with the 2003
// paragraph it comes from.
namespace RuleAmendments {

struct Entry
{
    QString citation;
    QString text;
};

enum class Kind { Unchanged, Changed, Added, Removed };

struct Paragraph
{
    QString citation; // as amended; for a removed paragraph, as adopted
    Kind kind;
    std::vector<WordDiff::Run> runs; // an added paragraph is one Added run, a removed one one Removed run
};

// A paragraph as amended comes from the 2003 paragraph of its citation when they share at least half
// the words of the shorter one, otherwise from the most alike 2003 paragraph (half the words of the
// longer one at least) whose citation the amendments removed, later than the one before; with neither it is added. 2003 paragraphs that nothing comes from are shown
// removed where they stood.
std::vector<Paragraph> compare(const std::vector<Entry> &adopted, const std::vector<Entry> &amended);

// The 2003 and amended paragraphs of these citations, and the paragraphs the amendments added among them
// (those whose enclosing paragraph is one of the citations), compared.
std::vector<Paragraph> compareCitations(const std::vector<QString> &citations);

bool anyChanged(const std::vector<Paragraph> &paragraphs);

} // namespace RuleAmendments
