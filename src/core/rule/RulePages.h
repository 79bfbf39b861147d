#pragma once

#include <QString>

// The reader's 25 rule pages: "PR<n>.Dat" beside the program, each with its option caption and tooltip.
namespace RulePages {

constexpr int count = 25;

struct Page {
    const char *caption; // as stored: "&&" shows as one "&"
    const char *tooltip;
};

// Page 0..24.
const Page &page(int number);
QString fileName(int number);

// The pages that hold regulation text (the whole rule, Subpart C and its matrix) also come as amended in
// 2013, "PR<n>A.Dat"; `amended` picks that file for them and changes nothing for the others.
bool hasAmendedText(int number);
QString fileName(int number, bool amended);

} // namespace RulePages
