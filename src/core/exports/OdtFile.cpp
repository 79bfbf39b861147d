#include "core/exports/OdtFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>
#include <memory>

#include "core/files/SafeWrite.h"

namespace OdtFile {

namespace {

// The text width of an A4 page with the margins word processors start with, in points.
constexpr qreal pageTextWidth = 482;

void fixColumnWidths(QTextFrame *frame)
{
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            QList<QTextLength> widths = format.columnWidthConstraints();
            for (QTextLength &width : widths)
                if (width.type() == QTextLength::PercentageLength)
                    width = QTextLength(QTextLength::FixedLength, pageTextWidth * width.rawValue() / 100);
            format.setColumnWidthConstraints(widths);
            table->setFormat(format);
        }
        fixColumnWidths(child);
    }
}

} // namespace

Outcome save(const QTextDocument &document, const QString &path)
{
    // Qt writes a column's share of a table's width as a percentage, which word processors ignore; as a
    // length on the page they keep it.
    const std::unique_ptr<QTextDocument> copy(document.clone());
    fixColumnWidths(copy->rootFrame());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("ODF"));
    if (!writer.write(copy.get()))
        return Outcome::failed(
            QStringLiteral("The document could not be laid out as OpenDocument text for %1.")
                .arg(QFileInfo(path).fileName()));
    const Outcome written = writeWholeFile(path, buffer.data());
    if (!written)
        return Outcome::failed(
            QStringLiteral("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), written.error));
    return written;
}

} // namespace OdtFile
