#pragma once

#include <QString>
#include <vector>

// A word-by-word comparison of two texts. Words are the runs between blanks; a trailing comma, semicolon,
// colon, full stop or dash counts as a word of its own, so that added punctuation shows alone.
namespace WordDiff {

enum class Kind { Same, Removed, Added };

// A piece of the shown text. Removed and Added runs start and end with a word; the blanks around them
// belong to the neighbouring Same runs.
struct Run
{
    Kind kind;
    QString text;
    bool operator==(const Run &other) const = default;
};

struct Comparison
{
    // Concatenated, the runs give the shown text: the text after, with the removed words where they stood.
    std::vector<Run> runs;
    int common = 0; // words in both texts, in order
    int before = 0; // words of each text
    int after = 0;
    // The share of the longer text's words kept, 0..1; 1 for two empty texts.
    double similarity() const;
    // The share of the shorter text's words kept, 0..1: 1 when one text only adds to the other.
    double containment() const;
    bool changed() const { return common != before || common != after; }
};

Comparison compare(const QString &before, const QString &after);

// The shown text of a list of runs.
QString joined(const std::vector<Run> &runs);

} // namespace WordDiff
