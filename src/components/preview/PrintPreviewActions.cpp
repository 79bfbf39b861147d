#include "components/preview/PrintPreview.h"

#include <QPrinter>

#include "components/Dialogs.h"

void PrintPreview::Action(int code)
{
    switch (code) {
    case CopyPage:
        copyPage();
        break;
    case PrintDocument:
        printDocument();
        break;
    case PageSetup:
        runPageSetup();
        break;
    default:
        break;
    }
}

void PrintPreview::copyPage()
{
    if (m_current == 0)
        return;
    Dialogs::current().setClipboardImage(m_document->pageImage(m_current - 1, clipboardDpi));
}

void PrintPreview::printDocument()
{
    if (m_document->pageCount() == 0)
        return;
    QPrinter &p = printer();
    p.setPageLayout(m_document->pageLayout());
    p.setFromTo(1, m_document->pageCount());
    if (!Dialogs::current().printDialog(p))
        return;
    p.setFullPage(true);
    const bool someRange = p.printRange() == QPrinter::PageRange;
    m_document->render(p, someRange ? p.fromPage() : 0, someRange ? p.toPage() : 0);
}

void PrintPreview::runPageSetup()
{
    QPrinter &p = printer();
    p.setFullPage(false);
    p.setPageLayout(m_document->pageLayout());
    if (Dialogs::current().pageSetup(p))
        m_document->setPageLayout(p.pageLayout());
}

QPrinter &PrintPreview::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}
