#pragma once

#include "core/rtf/RtfPictureWriter.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextCharFormat>
#include <QRgb>
#include <QStringList>
#include <QStringView>

#include <array>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextImageFormat;
class QTextDocument;
class QTextList;
class QTextTable;
class QTextTableCellFormat;

namespace Rtf {

// Writes a document as RTF 1.x: a font table, colour table, list table and the document's \info, then
// each paragraph as "\pard\plain", its table, list and tab state, its own character format, the runs and
// \par. A run whose format differs from its paragraph's is a group that states only the differences.
// The same document always gives the same bytes.
class Writer
{
public:
    using LevelLists = std::array<const QTextList *, 9>; // each level's list, or null
    explicit Writer(const QTextDocument &document);

    QByteArray write();

private:
    void collectTables();
    void writeHeader();
    void writeInfo();
    void writeBlock(const QTextBlock &block, bool inTable = false);
    void writeBlockProperties(const QTextBlock &block, bool inTable);
    void writeTabStops(const QTextBlockFormat &format);
    void writeLineSpacing(const QTextBlockFormat &format);
    // The character properties as RTF states them: font and colour table indexes, half-points.
    struct CharProps {
        int font = 0;
        int halfPoints = 24;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        int foreground = 0;
        int background = 0;
        QTextCharFormat::VerticalAlignment verticalAlign = QTextCharFormat::AlignNormal;
    };
    CharProps charProps(const QTextCharFormat &format);
    // The words that turn `base` into `props`; font and size always when `full`.
    void writeCharProperties(const CharProps &props, const CharProps &base, bool full = false);
    void writePicture(const QTextImageFormat &format);
    void writeText(QStringView text);
    void writeWord(const char *word, int param);

    // Tables: \trowd … \cellx, then each cell's paragraphs with \intbl, \cell, \row.
    void collectTableColors(const QTextTable &table);
    void writeTable(const QTextTable &table);
    void writeRowDefinition(const QTextTable &table, int row, const QList<int> &edges);
    void writeCellProperties(const QTextTableCellFormat &format);
    // Lists: one \list per list of the document (its levels together), \ls per paragraph.
    void collectList(const QTextList *list);
    void writeListTables();
    void writeListText(const QTextBlock &block);

    QFont resolvedFont(const QTextCharFormat &format) const;
    int fontIndex(const QString &family);
    int colorIndex(QRgb color);

    const QTextDocument &m_document;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    PictureWriter m_pictures;
    QHash<QString, int> m_listNumbers; // list key to \ls
    QList<LevelLists> m_lists;         // by \ls - 1
    QByteArray m_out;
};

} // namespace Rtf
