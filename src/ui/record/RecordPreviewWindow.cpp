#include "ui/record/RecordPreviewWindow.h"

#include <QTextDocument>

#include "core/exports/PreviewEditable.h"
#include "ui/preview/PrintPreview.h"

RecordPreviewWindow::RecordPreviewWindow(const QString &title, const QString &html, QWidget *parent,
                                         QList<QStringList> sheet)
    : ReportWindow(QStringLiteral("recordPreview"), title, parent)
{
    PreviewDocument &doc = preview->document();
    doc.setOrientation(1);
    doc.startDoc();
    QTextDocument page;
    page.setHtml(html);
    doc.appendRichText(page);
    doc.endDoc();
    PreviewEditable::setSheet(doc, std::move(sheet));
    showExports();
    resize(1000, 760);
}
