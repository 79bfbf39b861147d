// The writer's tables and lists.
#include "core/rtf/RtfWriter.h"

#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfLists.h"
#include "core/rtf/RtfWriterLists.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace Rtf {

namespace {

constexpr int DefaultTableWidth = 9360; // twips: a letter page's text column
constexpr int MaxLevels = ListTable::MaxLevels;
static_assert(std::tuple_size_v<Writer::LevelLists> == MaxLevels);

int twips(double pixels) { return static_cast<int>(std::lround(pixels * 15.0)); }

bool isBullet(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

int levelFormatNumber(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    case QTextListFormat::ListDecimal: return 0;
    default: return 23;
    }
}

QChar bulletOf(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListCircle: return QChar(0x25E6);
    case QTextListFormat::ListSquare: return QChar(0x25AA);
    default: return QChar(0x2022);
    }
}

// The right edge of each column, in twips, from the table's width constraints.
QList<int> columnEdges(const QTextTable &table)
{
    const QList<QTextLength> widths = table.format().columnWidthConstraints();
    const int columns = table.columns();
    QList<int> edges;
    int right = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength length = widths.value(c);
        int width = DefaultTableWidth / columns;
        if (length.type() == QTextLength::FixedLength)
            width = twips(length.rawValue());
        else if (length.type() == QTextLength::PercentageLength)
            width = static_cast<int>(DefaultTableWidth * length.rawValue() / 100);
        right += std::max(width, 15);
        edges << right;
    }
    return edges;
}

} // namespace

QString listKey(const QTextList *list)
{
    const QTextListFormat format = list->format();
    if (format.hasProperty(ListProperty::Id))
        return QStringLiteral("id%1").arg(format.intProperty(ListProperty::Id));
    return QStringLiteral("list%1").arg(list->objectIndex());
}

int listLevel(const QTextListFormat &format)
{
    const int level = format.hasProperty(ListProperty::Level) ? format.intProperty(ListProperty::Level)
                                                              : format.indent() - 1;
    return std::clamp(level, 0, MaxLevels - 1);
}

QString listMarker(const QTextBlock &block)
{
    const QTextListFormat format = block.textList()->format();
    if (isBullet(format.style()))
        return bulletOf(format.style());
    QString number;
    int value = listNumber(block);
    switch (format.style()) {
    case QTextListFormat::ListLowerAlpha:
    case QTextListFormat::ListUpperAlpha:
    case QTextListFormat::ListLowerRoman:
    case QTextListFormat::ListUpperRoman: {
        // Qt's own list text, shifted by the list's start.
        const QString text = block.textList()->itemText(block);
        number = value == block.textList()->itemNumber(block) + 1
                     ? text.mid(format.numberPrefix().size(), text.size() - format.numberPrefix().size() -
                                                                 format.numberSuffix().size())
                     : QString::number(value);
        break;
    }
    default: number = QString::number(value); break;
    }
    return format.numberPrefix() + number + format.numberSuffix();
}

void Writer::collectList(const QTextList *list)
{
    if (!list)
        return;
    const QString key = listKey(list);
    int &number = m_listNumbers[key];
    if (number == 0) {
        m_lists.append(LevelLists{});
        number = int(m_lists.size());
    }
    m_lists[number - 1][std::size_t(listLevel(list->format()))] = list; // the level's last list
}

void Writer::writeListTables()
{
    if (m_lists.isEmpty())
        return;
    m_out += "{\\*\\listtable";
    for (qsizetype n = 0; n < m_lists.size(); ++n) {
        m_out += "\r\n{\\list\\listtemplateid";
        m_out += QByteArray::number(n + 1);
        const auto &levels = m_lists[n];
        // A level the document does not use looks like the used level before it (or the first used one)
        // and starts at 1.
        const QTextList *before = *std::find_if(levels.begin(), levels.end(), [](auto *l) { return l; });
        for (int level = 0; level < MaxLevels; ++level) {
            const QTextList *own = levels[std::size_t(level)];
            const QTextList *list = own ? own : before;
            before = list;
            const QTextListFormat format = list->format();
            const int nfc = levelFormatNumber(format.style());
            writeWord("\r\n{\\listlevel\\levelnfc", nfc);
            writeWord("\\levelnfcn", nfc);
            writeWord("\\leveljc0\\levelfollow0\\levelstartat", own ? listStart(format) : 1);
            QString text = isBullet(format.style()) ? QString(bulletOf(format.style()))
                                                    : format.numberPrefix() + QChar(char16_t(level)) + format.numberSuffix();
            text = text.left(250);
            writeWord("{\\leveltext\\'", 0); // replaced below by the length as a hex byte
            m_out.chop(1);
            m_out += QByteArray::number(text.size(), 16).rightJustified(2, '0');
            QByteArray numbers;
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (text.at(i).unicode() < MaxLevels) {
                    m_out += "\\'" + QByteArray::number(text.at(i).unicode(), 16).rightJustified(2, '0');
                    numbers += "\\'" + QByteArray::number(i + 1, 16).rightJustified(2, '0');
                } else {
                    writeText(text.mid(i, 1));
                }
            }
            m_out += ";}{\\levelnumbers" + numbers + ";}";
            writeWord("\\fi", -twips(ListHangingIndent));
            writeWord("\\li", twips(ListHangingIndent) * (level + 1));
            m_out += '}';
        }
        writeWord("\r\n\\listid", int(n + 1));
        m_out += '}';
    }
    m_out += "}\r\n{\\*\\listoverridetable";
    for (qsizetype n = 0; n < m_lists.size(); ++n) {
        writeWord("{\\listoverride\\listid", int(n + 1));
        writeWord("\\listoverridecount0\\ls", int(n + 1));
        m_out += '}';
    }
    m_out += "}\r\n";
}

// The marker as plain text in the paragraph's format, for readers that know no lists.
void Writer::writeListText(const QTextBlock &block)
{
    if (!block.textList())
        return;
    m_out += "{\\listtext ";
    writeText(listMarker(block));
    m_out += "\\tab}";
}

void Writer::collectTableColors(const QTextTable &table)
{
    for (int r = 0; r < table.rows(); ++r) {
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCellFormat format = table.cellAt(r, c).format().toTableCellFormat();
            for (const QBrush &brush : {format.topBorderBrush(), format.leftBorderBrush(), format.bottomBorderBrush(),
                                        format.rightBorderBrush(), format.background()}) {
                if (brush.style() != Qt::NoBrush)
                    colorIndex(brush.color().rgb());
            }
        }
    }
}

void Writer::writeTable(const QTextTable &table)
{
    const QList<int> edges = columnEdges(table);
    for (int r = 0; r < table.rows(); ++r) {
        writeRowDefinition(table, r, edges);
        for (int c = 0; c < table.columns();) {
            const QTextTableCell cell = table.cellAt(r, c);
            c = cell.column() + cell.columnSpan();
            if (cell.row() != r) {
                m_out += "\\pard\\plain\\intbl\\cell\r\n"; // covered by the cell above
                continue;
            }
            QTextBlock block = m_document.findBlock(cell.firstPosition());
            const QTextBlock last = m_document.findBlock(cell.lastPosition());
            for (;; block = block.next()) {
                writeBlock(block, true);
                if (block == last || !block.isValid())
                    break;
                m_out += "\\par\r\n";
            }
            m_out += "\\cell\r\n";
        }
        m_out += "\\row\r\n";
    }
}

void Writer::writeRowDefinition(const QTextTable &table, int row, const QList<int> &edges)
{
    const QTextTableFormat format = table.format();
    writeWord("\\trowd\\trgaph", twips(format.cellPadding()));
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter)
        m_out += "\\trqc";
    else if (align & Qt::AlignRight)
        m_out += "\\trqr";
    const int left = twips(format.leftMargin());
    if (left > 0)
        writeWord("\\trleft", left);
    for (int c = 0; c < table.columns();) {
        const QTextTableCell cell = table.cellAt(row, c);
        if (cell.rowSpan() > 1)
            m_out += cell.row() == row ? "\\clvmgf" : "\\clvmrg";
        writeCellProperties(cell.format().toTableCellFormat());
        c = cell.column() + cell.columnSpan();
        writeWord("\\cellx", left + edges.value(c - 1));
    }
    m_out += "\r\n";
}

void Writer::writeCellProperties(const QTextTableCellFormat &format)
{
    struct Side {
        const char *word;
        qreal width;
        QBrush brush;
        QTextFrameFormat::BorderStyle style;
    };
    const Side sides[] = {
        {"\\clbrdrt", format.topBorder(), format.topBorderBrush(), format.topBorderStyle()},
        {"\\clbrdrl", format.leftBorder(), format.leftBorderBrush(), format.leftBorderStyle()},
        {"\\clbrdrb", format.bottomBorder(), format.bottomBorderBrush(), format.bottomBorderStyle()},
        {"\\clbrdrr", format.rightBorder(), format.rightBorderBrush(), format.rightBorderStyle()}};
    for (const Side &side : sides) {
        if (side.width <= 0 || side.style == QTextFrameFormat::BorderStyle_None)
            continue;
        m_out += side.word;
        writeWord("\\brdrs\\brdrw", twips(side.width));
        if (side.brush.style() != Qt::NoBrush)
            writeWord("\\brdrcf", colorIndex(side.brush.color().rgb()));
    }
    if (format.background().style() != Qt::NoBrush)
        writeWord("\\clcbpat", colorIndex(format.background().color().rgb()));
    if (format.verticalAlignment() == QTextCharFormat::AlignMiddle)
        m_out += "\\clvertalc";
    else if (format.verticalAlignment() == QTextCharFormat::AlignBottom)
        m_out += "\\clvertalb";
}

} // namespace Rtf
