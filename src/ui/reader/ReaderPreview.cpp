#include "ui/reader/ReaderPreview.h"

#include <QCoreApplication>

#include "core/workbook/ProgramState.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"

namespace ReaderPreview {

void open(PreviewPanel &panel, const RichTextBox &page)
{
    PrinterSettings::setMargins(350, 300, 350, 100);
    panel.printPreview->setNavigation(3);
    panel.clearPrinterFont();
    panel.open();
    panel.printPreview->document().discard();
    panel.printPreview->document().setTitle(QStringLiteral("The Security Rule"));
    render(*panel.printPreview, page);
}

void render(PrintPreview &preview, const RichTextBox &page)
{
    ProgramState::busyOn();
    PreviewDocument &doc = preview.document();
    doc.discard();
    PrinterSettings::applyMargins(doc);
    doc.startDoc();
    doc.appendRtf(page.SelLength() > 0 ? page.SelRTF() : page.TextRTF());
    doc.endDoc();
    QCoreApplication::processEvents();
    ProgramState::busyOff();
}

} // namespace ReaderPreview
