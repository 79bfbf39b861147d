#include "ContentStyles.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace ContentGen {

namespace {

const QString Family = QStringLiteral("Times New Roman");

int pointSize(Style style)
{
    switch (style) {
    case Style::Title: return 16;
    case Style::Heading: return 14;
    default: return 12;
    }
}

bool isBold(Style style)
{
    switch (style) {
    case Style::Title:
    case Style::Heading:
    case Style::Subheading:
    case Style::RuleSection:
    case Style::GroupRow: return true;
    default: return false;
    }
}

// Space before and after a paragraph, in twips.
std::pair<int, int> spacing(Style style)
{
    switch (style) {
    case Style::Title: return {480, 240};
    case Style::Heading: return {360, 120};
    case Style::Subheading:
    case Style::RuleSection:
    case Style::GroupRow: return {240, 120};
    case Style::Bullet: return {0, 60};
    case Style::RowLead: return {120, 0};
    case Style::RowDetail: return {0, 0};
    default: return {0, 120};
    }
}

} // namespace

void setUpDocument(QTextDocument &document)
{
    QFont font(Family);
    font.setPointSize(12);
    document.setDefaultFont(font);
}

QTextBlockFormat blockFormat(Style style, int level)
{
    QTextBlockFormat format;
    const auto [before, after] = spacing(style);
    format.setTopMargin(pixelsFromTwips(before));
    format.setBottomMargin(pixelsFromTwips(after));
    switch (style) {
    case Style::Title: format.setAlignment(Qt::AlignHCenter); break;
    case Style::Body: format.setAlignment(Qt::AlignJustify); break;
    case Style::Indented:
        format.setAlignment(Qt::AlignJustify);
        format.setLeftMargin(pixelsFromTwips(IndentTwips));
        break;
    case Style::Bullet:
        format.setLeftMargin(pixelsFromTwips(BulletIndentTwips));
        format.setTextIndent(-pixelsFromTwips(BulletHangTwips));
        break;
    case Style::RuleText:
        format.setAlignment(Qt::AlignJustify);
        format.setLeftMargin(pixelsFromTwips(RuleLevelTwips * level));
        break;
    case Style::RowDetail: format.setLeftMargin(pixelsFromTwips(IndentTwips)); break;
    default: format.setAlignment(Qt::AlignLeft); break;
    }
    return format;
}

QTextCharFormat charFormat(Style style)
{
    QTextCharFormat format;
    format.setFontFamilies({Family});
    format.setFontPointSize(pointSize(style));
    format.setFontWeight(isBold(style) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(false);
    return format;
}

void beginBlock(QTextCursor &cursor, Style style, int level)
{
    const QTextDocument *document = cursor.document();
    const bool fresh = document->blockCount() == 1 && document->firstBlock().length() <= 1 &&
                       document->firstBlock().userState() != 1;
    if (fresh) {
        cursor.setBlockFormat(blockFormat(style, level));
        cursor.setBlockCharFormat(charFormat(style));
        cursor.block().setUserState(1);
    } else {
        cursor.insertBlock(blockFormat(style, level), charFormat(style));
    }
    cursor.setCharFormat(charFormat(style));
}

} // namespace ContentGen
