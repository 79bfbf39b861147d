#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace Rtf {

// Character properties as RTF states them: font number, half-points, colour table indexes.
struct CharState {
    enum VerticalAlign { Baseline, Superscript, Subscript };
    int font = -1;
    int halfPoints = 24;
    int foreground = 0; // colour table index; 0 is the automatic colour
    int background = 0; // colour table index; 0 is none
    VerticalAlign verticalAlign = Baseline;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool operator==(const CharState &) const = default;
};

// A tab stop: \tx position in twips, its alignment and leader.
struct TabStop {
    enum Kind { Left, Centre, Right, Decimal };
    enum Leader { None, Dots, Hyphens, Underline, ThickLine, Equals };
    int position = 0;
    Kind kind = Left;
    Leader leader = None;
    bool operator==(const TabStop &) const = default;
};

// Paragraph properties; lengths in twips.
struct ParaState {
    enum Align { Left, Centre, Right, Justify };
    Align align = Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: 0 single; > 0 at least, < 0 exactly that many twips, or 240ths of a line
    bool lineMultiple = false;
    std::vector<TabStop> tabs;
    int list = 0;      // \ls: list override number; 0 none
    int listLevel = 0; // \ilvl
    int numberStyle = 0; // \pn: a QTextListFormat::Style; 0 none
    int numberLevel = 0;
    int numberStart = 1;
    bool operator==(const ParaState &) const = default;
};

struct CharStateHash {
    std::size_t operator()(const CharState &s) const
    {
        std::size_t h = std::hash<int>()(s.font);
        for (const int v : {s.halfPoints, s.foreground, s.background, int(s.verticalAlign),
                            int(s.bold) | int(s.italic) << 1 | int(s.underline) << 2 | int(s.strike) << 3})
            h = h * 31 + std::hash<int>()(v);
        return h;
    }
};

struct ParaStateHash {
    std::size_t operator()(const ParaState &s) const
    {
        std::size_t h = std::hash<int>()(int(s.align));
        for (const int v : {s.leftIndent, s.rightIndent, s.firstLineIndent, s.spaceBefore, s.spaceAfter,
                            s.lineSpacing, int(s.lineMultiple), s.list, s.listLevel, s.numberStyle,
                            s.numberLevel, s.numberStart})
            h = h * 31 + std::hash<int>()(v);
        for (const TabStop &tab : s.tabs)
            h = h * 31 + std::hash<int>()(tab.position * 16 + int(tab.kind) * 4 + int(tab.leader));
        return h;
    }
};

} // namespace Rtf
