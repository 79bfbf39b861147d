#pragma once

#include <QString>
#include <vector>

// What each of the 47 catalogue items shows beside it: its rule text, its references and its additional
// information, each either built from lines held in the program or read from a content file.
namespace ReferenceTable {

// One line of a built text.
struct Line
{
    enum class Kind { Regulation, Text };
    Kind kind;
    const char *text; // a citation of the regulation, or the line itself (UTF-8)
    int indent;       // blanks before a regulation paragraph
};

// A regulation paragraph; paragraphs are indented by four blanks unless a stored variant says otherwise.
constexpr Line rule(const char *citation, int indent = 4) { return {Line::Kind::Regulation, citation, indent}; }
constexpr Line text(const char *line) { return {Line::Kind::Text, line, 0}; }
constexpr Line blank() { return text(""); }

// The text of one line.
QString lineText(const Line &line);

struct Source
{
    const char *file = nullptr; // a content file read whole instead of the lines
    std::vector<Line> lines;
    const char *phrase = ""; // highlighted in view mode; "" for none
    bool fromFile() const { return file != nullptr; }
};

struct Additional
{
    bool addressable = false; // starts with the addressable explanation
    Source source;
};

// Item number 1..47; other numbers give an empty source.
const Source &ruleText(int number);
const Source &references(int number);
const Additional &additionalInformation(int number);

// The explanation that starts the additional information of every addressable item.
const std::vector<Line> &addressableExplanation();

} // namespace ReferenceTable
