#include "ui/reader/ReaderPreview.h"

#include <QCoreApplication>

#include "core/workbook/HINFO1.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"

namespace ReaderPreview {

void open(SSPanel80 &panel, const RichTextBox &page)
{
    PrinterSettings::setMargins(350, 300, 350, 100);
    panel.VSP1->setNavigation(3);
    panel.clearPrinterFont();
    panel.open();
    panel.VSP1->document().discard();
    panel.VSP1->document().setTitle(QStringLiteral("The Security Rule"));
    render(*panel.VSP1, page);
}

void render(PrintPreview &preview, const RichTextBox &page)
{
    HINFO1::busyOn();
    PreviewDocument &doc = preview.document();
    doc.discard();
    PrinterSettings::applyMargins(doc);
    doc.startDoc();
    doc.appendRtf(page.SelLength() > 0 ? page.SelRTF() : page.TextRTF());
    doc.endDoc();
    QCoreApplication::processEvents();
    HINFO1::busyOff();
}

} // namespace ReaderPreview
