#include "ui/preview/PreviewPanel.h"

#include <QPushButton>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "ui/preview/PrintPreview.h"
#include "ui/exports/ReportExports.h"

QString PreviewPanel::suggestedPdfName(const QString &title, const QDate &date)
{
    return ReportExports::suggestedName(title, date, ReportExports::Format::Pdf);
}

void PreviewPanel::savePdfClicked()
{
    savePdf(printPreview->document());
    pageCommands[2]->setFocus();
}

void PreviewPanel::savePdf(const PreviewDocument &doc)
{
    ReportExports::save(doc, ReportExports::Format::Pdf);
}
