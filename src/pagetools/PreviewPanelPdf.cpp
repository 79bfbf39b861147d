#include "pagetools/PreviewPanel.h"

#include <QPushButton>

#include "components/preview/PrintPreview.h"
#include "ui/exports/ReportExports.h"

QString SSPanel80::suggestedPdfName(const QString &title, const QDate &date)
{
    return ReportExports::suggestedName(title, date, ReportExports::Format::Pdf);
}

void SSPanel80::savePdfClicked()
{
    ReportExports::save(VSP1->document(), ReportExports::Format::Pdf);
    SSCommand80[2]->setFocus();
}
