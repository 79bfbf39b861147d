#pragma once

#include "components/rtf/RtfPictureWriter.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QRgb>
#include <QStringList>
#include <QStringView>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextImageFormat;
class QTextDocument;
class QTextList;
class QTextTable;
class QTextTableCellFormat;

namespace Rtf {

// Writes a document as RTF 1.x: a font table and colour table, then one \par-separated paragraph
// per block with its alignment, indents and spacing, and one group per run of equal format.
class Writer
{
public:
    explicit Writer(const QTextDocument &document);

    QByteArray write();

private:
    void collectTables();
    void writeHeader();
    void writeBlock(const QTextBlock &block, bool inTable = false);
    void writeBlockProperties(const QTextBlock &block, bool inTable);
    void writeTabStops(const QTextBlockFormat &format);
    void writeLineSpacing(const QTextBlockFormat &format);
    void writeCharProperties(const QTextCharFormat &format);
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
    QHash<QString, int> m_listNumbers;            // list key to \ls
    QList<QHash<int, const QTextList *>> m_lists; // by \ls - 1: the level's list
    bool m_needPar = false;
    QByteArray m_out;
};

} // namespace Rtf
