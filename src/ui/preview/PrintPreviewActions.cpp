#include "ui/preview/PrintPreview.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "ui/widgets/Dialogs.h"

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
    const int from = someRange ? p.fromPage() : 0;
    const int to = someRange ? p.toPage() : 0;

    QProgressDialog progress(printingText(qMax(1, from)), QStringLiteral("Cancel"), 0,
                             (to > 0 ? to : m_document->pageCount()) - qMax(1, from) + 1, this);
    progress.setObjectName(QStringLiteral("printingProgress"));
    progress.setWindowTitle(QStringLiteral("Printing..."));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.show();
    const bool done = m_document->render(p, from, to, [&](int page) {
        progress.setLabelText(printingText(page));
        progress.setValue(page - qMax(1, from));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (!done && progress.wasCanceled())
        p.abort();
}

// "Now printing Page 2 of Status Report" over "on the <printer> on <where it goes>".
QString PrintPreview::printingText(int page) const
{
    const QPrinter &p = *m_printer;
    const bool toFile = !p.outputFileName().isEmpty();
    const QString printer = toFile ? QStringLiteral("PDF") : p.printerName();
    QString port = p.outputFileName();
    if (!toFile) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(p.printerName());
        port = !info.location().isEmpty() ? info.location() : info.makeAndModel();
        if (port.isEmpty())
            port = p.printerName();
    }
    const QString title = m_document->title().isEmpty() ? QStringLiteral("the document") : m_document->title();
    return QString::asprintf("Now printing Page %d of", page) + QLatin1Char(' ') + title + QLatin1Char('\n') +
           QString::asprintf("on the %s on %s", qUtf8Printable(printer), qUtf8Printable(port));
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
