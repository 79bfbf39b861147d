#pragma once

#include "core/rtf/RtfLists.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace RtfTest {

// Tables, list items and tab stops of a document as comparable lines: "table 4x3", "cell 1,2 [1x1]
// text", "item 0 disc 1: text", "tabs 576r. : text" (position in twips, kind, leader).
inline QStringList structureLines(const QTextDocument &document)
{
    static const QHash<int, QString> styles = {
        {QTextListFormat::ListDisc, "disc"},        {QTextListFormat::ListCircle, "circle"},
        {QTextListFormat::ListSquare, "square"},    {QTextListFormat::ListDecimal, "decimal"},
        {QTextListFormat::ListLowerAlpha, "alpha"}, {QTextListFormat::ListUpperAlpha, "ALPHA"},
        {QTextListFormat::ListLowerRoman, "roman"}, {QTextListFormat::ListUpperRoman, "ROMAN"}};
    QStringList lines;
    const QTextTable *current = nullptr;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto *table = qobject_cast<const QTextTable *>(document.frameAt(block.position()));
        if (table && table != current)
            lines << QStringLiteral("table %1x%2").arg(table->rows()).arg(table->columns());
        current = table;
        if (table) {
            const QTextTableCell cell = table->cellAt(block.position());
            if (cell.firstPosition() == block.position())
                lines << QStringLiteral("cell %1,%2 [%3x%4]").arg(cell.row()).arg(cell.column())
                             .arg(cell.rowSpan()).arg(cell.columnSpan());
        }
        if (const QTextList *list = block.textList())
            lines << QStringLiteral("item %1 %2 %3: %4").arg(list->format().intProperty(Rtf::ListProperty::Level))
                         .arg(styles.value(list->format().style()), QString::number(Rtf::listNumber(block)),
                              block.text());
        QString tabs;
        for (const QTextOption::Tab &tab : block.blockFormat().tabPositions())
            tabs += QStringLiteral(" %1%2").arg(qRound(tab.position * 15)).arg("lrcd"[int(tab.type)]);
        if (!tabs.isEmpty())
            lines << QStringLiteral("tabs%1: %2").arg(tabs, block.text());
        else if (table)
            lines << QStringLiteral("  ") + block.text();
    }
    return lines;
}

// The same as one text, which test failures show readably.
inline std::string describeStructure(const QTextDocument &document)
{
    return structureLines(document).join(QLatin1Char('\n')).toStdString();
}

inline std::string joined(const QStringList &lines) { return lines.join(QLatin1Char('\n')).toStdString(); }

} // namespace RtfTest
