#include "core/rtf/RtfKeywords.h"

#include "core/rtf/RtfInfo.h"
#include "core/rtf/RtfState.h"
#include "core/rtf/RtfTableModel.h"

#include <QTextListFormat>

#include <unordered_map>

namespace Rtf {

namespace {

using Table = std::unordered_map<std::string_view, Keyword>;

// Destinations whose content is not part of the text.
constexpr std::string_view SkippedDestinations[] = {
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnicn", "atnid", "atnparent",
    "atnref", "atntime", "atrfend", "atrfstart", "background", "bkmkend", "bkmkstart", "colorschememapping", "datafield", "datastore", "defchp",
    "defpap", "do", "docvar", "falt", "ffdeftext", "ffentrymcr", "ffexitmcr", "ffformat",
    "ffhelptext", "ffl", "ffname", "ffstattext", "filetbl", "fldinst", "fldtype", "fontemb", "fontfile",
    "footer", "footerf", "footerl", "footerr", "footnote", "ftncn", "ftnsep", "ftnsepc", "generator",
    "header", "headerf", "headerl", "headerr", "keycode", "latentstyles", "levelnumbers", "listname",
    "listpicture", "mmathPr", "nonshppict", "objalias",
    "objclass", "objdata", "objname", "objsect", "objtime", "oleclsid", "panose",
    "passwordhash", "pgdsctbl", "pnseclvl", "pntxta", "pntxtb", "private", "propname",
    "protusertbl", "revtbl", "rsidtbl", "rxe", "shpinst", "sp", "sn", "sv", "stylesheet",
    "tc", "template", "themedata", "txe", "userprops", "wgrffmtfilter",
    "windowcaption", "writereservation", "writereservhash", "xe", "xform", "xmlattrname", "xmlattrvalue",
    "xmlclose", "xmlname", "xmlnstbl", "xmlopen"};

constexpr std::string_view UnderlineWords[] = {
    "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
    "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"};

// Border line styles: each turns the selected border on.
constexpr std::string_view BorderStyles[] = {
    "brdrs", "brdrth", "brdrsh", "brdrdb", "brdrdot", "brdrdash", "brdrhair", "brdrdashsm", "brdrdashd",
    "brdrdashdd", "brdrtriple", "brdrtnthsg", "brdrthtnsg", "brdrwavy", "brdrwavydb", "brdremboss",
    "brdrengrave", "brdroutset", "brdrinset", "brdrframe", "brdrdashdotstr"};

constexpr std::string_view InfoTexts[] = {"author", "category", "comment", "company", "doccomm", "hlinkbase",
                                          "keywords", "manager", "operator", "subject", "title"};
constexpr std::string_view InfoDates[] = {"buptim", "creatim", "printim", "revtim"};
constexpr std::string_view InfoNumbers[] = {"yr", "mo", "dy", "hr", "min", "sec", "version", "vern", "edmins",
                                            "nofpages", "nofwords", "nofchars", "nofcharsws", "id"};

struct Entry {
    std::string_view word;
    Keyword keyword;
};

constexpr Entry Entries[] = {
    {"fonttbl", {Keyword::FontTable}}, {"colortbl", {Keyword::ColorTable}}, {"pict", {Keyword::Picture}},
    {"shppict", {Keyword::ShapePicture}},
    {"upr", {Keyword::Upr}}, {"ud", {Keyword::Ud}},
    {"emdash", {Keyword::Character, 0x2014}}, {"endash", {Keyword::Character, 0x2013}},
    {"emspace", {Keyword::Character, 0x2003}}, {"enspace", {Keyword::Character, 0x2002}},
    {"qmspace", {Keyword::Character, 0x2005}}, {"bullet", {Keyword::Character, 0x2022}},
    {"lquote", {Keyword::Character, 0x2018}}, {"rquote", {Keyword::Character, 0x2019}},
    {"ldblquote", {Keyword::Character, 0x201C}}, {"rdblquote", {Keyword::Character, 0x201D}},
    {"zwj", {Keyword::Character, 0x200D}}, {"zwnj", {Keyword::Character, 0x200C}},
    {"zwbo", {Keyword::Character, 0x200B}}, {"ltrmark", {Keyword::Character, 0x200E}},
    {"rtlmark", {Keyword::Character, 0x200F}},
    {"tab", {Keyword::Tab}}, {"line", {Keyword::Line}}, {"softline", {Keyword::Line}}, {"lbr", {Keyword::Line}},
    {"par", {Keyword::Par}}, {"cell", {Keyword::Cell}}, {"nestcell", {Keyword::NestedCell}},
    {"nestrow", {Keyword::NestedRow}}, {"row", {Keyword::Row}}, {"page", {Keyword::Break}},
    {"sect", {Keyword::Break}},
    {"u", {Keyword::Unicode}}, {"uc", {Keyword::UnicodeSkip}},
    {"plain", {Keyword::Plain}}, {"f", {Keyword::Font}}, {"fs", {Keyword::FontSize}}, {"b", {Keyword::Bold}},
    {"i", {Keyword::Italic}}, {"ulnone", {Keyword::UnderlineOff}}, {"strike", {Keyword::Strike}},
    {"striked", {Keyword::Strike}}, {"cf", {Keyword::Foreground}}, {"highlight", {Keyword::Background}},
    {"cb", {Keyword::Background}}, {"chcbpat", {Keyword::Background}},
    {"super", {Keyword::Superscript}}, {"sub", {Keyword::Subscript}}, {"nosupersub", {Keyword::Baseline}},
    {"v", {Keyword::Hidden}},
    {"pard", {Keyword::Pard}}, {"intbl", {Keyword::InTable}}, {"ql", {Keyword::Align, ParaState::Left}},
    {"qc", {Keyword::Align, ParaState::Centre}}, {"qr", {Keyword::Align, ParaState::Right}},
    {"qj", {Keyword::Align, ParaState::Justify}}, {"qd", {Keyword::Align, ParaState::Justify}},
    {"li", {Keyword::LeftIndent}}, {"lin", {Keyword::LeftIndent}}, {"ri", {Keyword::RightIndent}},
    {"rin", {Keyword::RightIndent}}, {"fi", {Keyword::FirstIndent}}, {"sb", {Keyword::SpaceBefore}},
    {"sa", {Keyword::SpaceAfter}}, {"sl", {Keyword::LineSpacing}}, {"slmult", {Keyword::LineMultiple}},
    {"deff", {Keyword::DefaultFont}}, {"paperw", {Keyword::PaperWidth}}, {"paperh", {Keyword::PaperHeight}}, {"ansicpg", {Keyword::AnsiCodePage}},
    {"ansi", {Keyword::CodePage, 1252}}, {"mac", {Keyword::CodePage, 10000}}, {"pc", {Keyword::CodePage, 437}},
    {"pca", {Keyword::CodePage, 850}}, {"fcharset", {Keyword::FontCharset}}, {"cpg", {Keyword::FontCodePage}},
    {"red", {Keyword::Red}}, {"green", {Keyword::Green}}, {"blue", {Keyword::Blue}},
    {"trowd", {Keyword::RowDefaults}}, {"cellx", {Keyword::CellBoundary}},
    {"clbrdrt", {Keyword::CellBorder, CellDef::Top}}, {"clbrdrl", {Keyword::CellBorder, CellDef::Left}},
    {"clbrdrb", {Keyword::CellBorder, CellDef::Bottom}}, {"clbrdrr", {Keyword::CellBorder, CellDef::Right}},
    {"trbrdrt", {Keyword::RowBorder, CellDef::Top}}, {"trbrdrl", {Keyword::RowBorder, CellDef::Left}},
    {"trbrdrb", {Keyword::RowBorder, CellDef::Bottom}}, {"trbrdrr", {Keyword::RowBorder, CellDef::Right}},
    {"brdrnone", {Keyword::BorderStyle, 0}}, {"brdrnil", {Keyword::BorderStyle, 0}},
    {"brdrw", {Keyword::BorderWidth}}, {"brdrcf", {Keyword::BorderColor}}, {"clcbpat", {Keyword::CellShading}},
    {"clmgf", {Keyword::CellMerge, CellDef::MergeFirst}}, {"clmrg", {Keyword::CellMerge, CellDef::Merged}},
    {"clvmgf", {Keyword::CellMerge, 4 + CellDef::MergeFirst}}, {"clvmrg", {Keyword::CellMerge, 4 + CellDef::Merged}},
    {"clvertalt", {Keyword::CellVerticalAlign, CellDef::AlignTop}},
    {"clvertalc", {Keyword::CellVerticalAlign, CellDef::AlignMiddle}},
    {"clvertalb", {Keyword::CellVerticalAlign, CellDef::AlignBottom}},
    {"trleft", {Keyword::RowLeft}}, {"trgaph", {Keyword::RowGap}}, {"trql", {Keyword::RowAlign, RowDef::Left}},
    {"trqc", {Keyword::RowAlign, RowDef::Centre}}, {"trqr", {Keyword::RowAlign, RowDef::Right}},
    {"listtable", {Keyword::ListTable}}, {"listoverridetable", {Keyword::ListOverrideTable}},
    {"list", {Keyword::List}}, {"listlevel", {Keyword::ListLevel}}, {"levelnfc", {Keyword::LevelFormat}},
    {"levelnfcn", {Keyword::LevelFormat}}, {"levelstartat", {Keyword::LevelStart}},
    {"leveltext", {Keyword::LevelText}}, {"listid", {Keyword::ListId}}, {"listoverride", {Keyword::ListOverride}},
    {"ls", {Keyword::ListNumber}}, {"ilvl", {Keyword::ListLevelNumber}}, {"listtext", {Keyword::ListFallback}},
    {"pntext", {Keyword::ListFallback}}, {"pn", {Keyword::Numbering}},
    {"pnlvlblt", {Keyword::NumberLevel, -1}}, {"pnlvlbody", {Keyword::NumberLevel, 0}},
    {"pnlvl", {Keyword::NumberLevel, 1}}, {"pnlvlcont", {Keyword::NumberLevel, 0}},
    {"pndec", {Keyword::NumberStyle, QTextListFormat::ListDecimal}},
    {"pnucrm", {Keyword::NumberStyle, QTextListFormat::ListUpperRoman}},
    {"pnlcrm", {Keyword::NumberStyle, QTextListFormat::ListLowerRoman}},
    {"pnucltr", {Keyword::NumberStyle, QTextListFormat::ListUpperAlpha}},
    {"pnlcltr", {Keyword::NumberStyle, QTextListFormat::ListLowerAlpha}}, {"pnstart", {Keyword::NumberStart}},
    {"tqr", {Keyword::TabKind, TabStop::Right}}, {"tqc", {Keyword::TabKind, TabStop::Centre}},
    {"tqdec", {Keyword::TabKind, TabStop::Decimal}}, {"tldot", {Keyword::TabLeader, TabStop::Dots}},
    {"tlmdot", {Keyword::TabLeader, TabStop::Dots}}, {"tlhyph", {Keyword::TabLeader, TabStop::Hyphens}},
    {"tlul", {Keyword::TabLeader, TabStop::Underline}}, {"tlth", {Keyword::TabLeader, TabStop::ThickLine}},
    {"tleq", {Keyword::TabLeader, TabStop::Equals}}, {"tx", {Keyword::TabPosition}},
    {"info", {Keyword::Info}},
};

Table buildTable()
{
    Table table;
    for (const std::string_view word : SkippedDestinations)
        table.emplace(word, Keyword{Keyword::SkipDestination});
    for (const std::string_view word : UnderlineWords)
        table.emplace(word, Keyword{Keyword::Underline});
    for (const std::string_view word : BorderStyles)
        table.emplace(word, Keyword{Keyword::BorderStyle, 1});
    for (const std::string_view word : InfoTexts)
        table.emplace(word, Keyword{Keyword::InfoGroup, InfoField::Text});
    for (const std::string_view word : InfoDates)
        table.emplace(word, Keyword{Keyword::InfoGroup, InfoField::Date});
    for (const std::string_view word : InfoNumbers)
        table.emplace(word, Keyword{Keyword::InfoNumber});
    for (const Entry &entry : Entries)
        table.emplace(entry.word, entry.keyword);
    return table;
}

} // namespace

const Keyword *findKeyword(std::string_view word)
{
    static const Table table = buildTable();
    const auto found = table.find(word);
    return found == table.end() ? nullptr : &found->second;
}

} // namespace Rtf
