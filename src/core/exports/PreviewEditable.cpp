#include "core/exports/PreviewEditable.h"

#include <QTextDocument>

#include "core/print/PreviewDocument.h"
#include "core/exports/EditableFlow.h"
#include "core/exports/OdtFile.h"

namespace PreviewEditable {

namespace {

// Lives as a child of its document.
class Copy : public QObject
{
public:
    explicit Copy(QObject *document) : QObject(document) { setObjectName(QStringLiteral("editableCopy")); }

    EditableFlow flow;
    std::shared_ptr<const QTextDocument> editable;
    QList<QStringList> sheet;
};

Copy &copyOf(const PreviewDocument &document)
{
    // The copy is the document's own state, kept aside so the document's layout stays as it is.
    auto *owner = const_cast<PreviewDocument *>(&document);
    if (QObject *found = owner->findChild<QObject *>(QStringLiteral("editableCopy"), Qt::FindDirectChildrenOnly))
        return *static_cast<Copy *>(found);
    return *new Copy(owner);
}

} // namespace

EditableFlow &flow(const PreviewDocument &document)
{
    return copyOf(document).flow;
}

void clear(const PreviewDocument &document)
{
    Copy &copy = copyOf(document);
    copy.flow.clear();
    copy.editable.reset();
    copy.sheet.clear();
}

std::shared_ptr<const QTextDocument> document(const PreviewDocument &document)
{
    const Copy &copy = copyOf(document);
    return copy.editable ? copy.editable : copy.flow.document();
}

void setDocument(const PreviewDocument &document, std::shared_ptr<const QTextDocument> editable)
{
    copyOf(document).editable = std::move(editable);
}

const QList<QStringList> &sheet(const PreviewDocument &document)
{
    return copyOf(document).sheet;
}

void setSheet(const PreviewDocument &document, QList<QStringList> rows)
{
    copyOf(document).sheet = std::move(rows);
}

Outcome saveOdt(const PreviewDocument &document, const QString &path)
{
    return OdtFile::save(*PreviewEditable::document(document), path);
}

} // namespace PreviewEditable
