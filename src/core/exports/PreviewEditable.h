#pragma once

#include <QList>
#include <QStringList>
#include <memory>

#include "core/files/Outcome.h"

class EditableFlow;
class PreviewDocument;
class QTextDocument;

// What a printed document carries besides its pages: an editable copy (what the report set, else what was
// printed, as it was printed) and, for a report made of a table, its rows for a CSV file. Kept beside the
// document and emptied whenever the document starts again or is discarded.
namespace PreviewEditable {

// The copy kept as the document is drawn.
EditableFlow &flow(const PreviewDocument &document);
void clear(const PreviewDocument &document);

std::shared_ptr<const QTextDocument> document(const PreviewDocument &document);
void setDocument(const PreviewDocument &document, std::shared_ptr<const QTextDocument> editable);

const QList<QStringList> &sheet(const PreviewDocument &document);
void setSheet(const PreviewDocument &document, QList<QStringList> rows);

// Writes the editable copy as an OpenDocument text file, replacing `path` only once it is whole.
[[nodiscard]] Outcome saveOdt(const PreviewDocument &document, const QString &path);

} // namespace PreviewEditable
