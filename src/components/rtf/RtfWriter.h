#pragma once

#include "components/rtf/RtfPictureWriter.h"

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QRgb>
#include <QStringList>
#include <QStringView>

class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextImageFormat;
class QTextDocument;

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
    void writeBlock(const QTextBlock &block);
    void writeBlockProperties(const QTextBlock &block);
    void writeLineSpacing(const QTextBlockFormat &format);
    void writeCharProperties(const QTextCharFormat &format);
    void writePicture(const QTextImageFormat &format);
    void writeText(QStringView text);
    void writeWord(const char *word, int param);

    QFont resolvedFont(const QTextCharFormat &format) const;
    int fontIndex(const QString &family);
    int colorIndex(QRgb color);

    const QTextDocument &m_document;
    QStringList m_fonts;
    QList<QRgb> m_colors;
    PictureWriter m_pictures;
    QByteArray m_out;
};

} // namespace Rtf
