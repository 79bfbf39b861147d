#pragma once

#include <string_view>

namespace Rtf {

// What a control word does; `value` refines it (the character, the alignment, the code page).
struct Keyword {
    enum Kind {
        SkipDestination, FontTable, ColorTable, Picture, ShapePicture, Upr, Ud,
        Character, Tab, Line, Par, Cell, Row, Break,
        Unicode, UnicodeSkip,
        Plain, Font, FontSize, Bold, Italic, Underline, UnderlineOff, Strike, Foreground, Background,
        Superscript, Subscript, Baseline, Hidden,
        Pard, InTable, Align, LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, LineSpacing, LineMultiple,
        DefaultFont, AnsiCodePage, CodePage, PaperWidth, PaperHeight, FontCharset, FontCodePage, Red, Green, Blue,
        // Tables: row and cell definitions.
        RowDefaults, CellBoundary, CellBorder, RowBorder, BorderStyle, BorderWidth, BorderColor, CellShading,
        CellMerge, CellVerticalAlign, RowLeft, RowGap, RowAlign, NestedCell, NestedRow,
        // Lists: the tables, a paragraph's list, old-style numbering.
        ListTable, ListOverrideTable, List, ListLevel, LevelFormat, LevelStart, LevelText, ListId, ListOverride,
        ListNumber, ListLevelNumber, ListFallback, Numbering, NumberLevel, NumberStyle, NumberStart,
        // Tab stops.
        TabKind, TabLeader, TabPosition,
        // The document's \info: the group, its text and date groups (value: an InfoField::Kind), its numbers.
        Info, InfoGroup, InfoNumber,
    };
    Kind kind;
    int value = 0;
};

// The keyword of a control word, or nullptr for words this reader ignores.
const Keyword *findKeyword(std::string_view word);

} // namespace Rtf
