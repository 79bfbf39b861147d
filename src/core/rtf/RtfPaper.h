#pragma once

#include <QByteArray>
#include <QSize>

class QTextDocument;

namespace Rtf {

// The paper a document names (\paperw, \paperh), in twips; invalid when it names none.
QSize paperSize(const QTextDocument &document);
void setPaperSize(QTextDocument &document, QSize twips);
// The control words that name the document's paper, or nothing.
QByteArray paperWords(const QTextDocument &document);

} // namespace Rtf
