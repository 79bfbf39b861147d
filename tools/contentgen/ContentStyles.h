#pragma once

#include <QTextBlockFormat>
#include <QTextCharFormat>

class QTextCursor;
class QTextDocument;

namespace ContentGen {

// Paragraph kinds of a generated page and the formats they are written with.
enum class Style {
    Title,       // Times New Roman 16 bold, centred
    Heading,     // 14 bold
    Subheading,  // 12 bold
    Body,        // 12, justified
    Indented,    // body with a left indent of 720 twips
    Bullet,      // "•" item with a hanging indent
    RuleSection, // a regulation section heading, bold
    RuleText,    // a regulation paragraph, indented by its designation level
    RowLead,     // the leading cells of a table row
    RowDetail,   // the last cell of a table row, indented beneath the leading cells
    GroupRow,    // a table row of one cell that heads a group of rows, bold
};

// Twips are kept as the unit of every length; QTextDocument measures in pixels (15 twips each).
constexpr double pixelsFromTwips(int twips) { return twips / 15.0; }

constexpr int IndentTwips = 720;
constexpr int RuleLevelTwips = 360;
// A bullet item: the text at 540 twips, the bullet and its space hanging in the 170 before it.
constexpr int BulletIndentTwips = 540;
constexpr int BulletHangTwips = 170;

void setUpDocument(QTextDocument &document);
QTextBlockFormat blockFormat(Style style, int level = 0);
QTextCharFormat charFormat(Style style);

// Starts a paragraph of the given style: the document's first, still empty block is reused.
void beginBlock(QTextCursor &cursor, Style style, int level = 0);

} // namespace ContentGen
