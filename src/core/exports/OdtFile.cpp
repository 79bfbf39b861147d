#include "core/exports/OdtFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTextDocumentWriter>

#include "core/files/SafeWrite.h"

namespace OdtFile {

Outcome save(const QTextDocument &document, const QString &path)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("ODF"));
    if (!writer.write(&document))
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
