#include "ui/record/RecordPreviewWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "ui/preview/PrintPreview.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/record/RecordWidgets.h"

using RecordWidgets::button;

RecordPreviewWindow::RecordPreviewWindow(const QString &title, const QString &html, QWidget *parent)
    : QDialog(parent), m_preview(new PrintPreview(this))
{
    setObjectName(QStringLiteral("recordPreview"));
    setWindowTitle(title);
    m_preview->setObjectName(QStringLiteral("recordPages"));
    m_preview->setAccessibleName(title);
    m_preview->setNavigation(3);
    m_preview->setZoom(PrintPreview::PageWidth);
    PreviewDocument &doc = m_preview->document();
    doc.setTitle(title);
    doc.setOrientation(1);
    doc.startDoc();
    QTextDocument page;
    page.setHtml(html);
    doc.appendRichText(page);
    doc.endDoc();

    m_printButton = button("printButton", QStringLiteral("&Print…"), this);
    m_savePdfButton = button("savePdfButton", QStringLiteral("Save as P&DF…"), this);
    m_closeButton = button("closeButton", QStringLiteral("&Close"), this);
    connect(m_printButton, &QPushButton::clicked, this, [this] { m_preview->Action(PrintPreview::PrintDocument); });
    connect(m_savePdfButton, &QPushButton::clicked, this, &RecordPreviewWindow::savePdf);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_printButton, m_savePdfButton, m_closeButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(buttons);
    resize(1000, 760);
}

void RecordPreviewWindow::savePdf()
{
    const PreviewDocument &doc = m_preview->document();
    const QString caption = QStringLiteral("Save as PDF");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(PreviewPanel::suggestedPdfName(doc.title(), Clock::current().now().date()));
    QString path = Dialogs::current().saveFileName(caption, suggested, QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty()) {
        // The file dialog asked about replacing the name as typed only.
        path += QStringLiteral(".pdf");
        if (QFileInfo::exists(path) &&
            Dialogs::current().messageBox(
                QStringLiteral("\"%1\" already exists.\r\rDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
                Dialogs::YesNo + Dialogs::Exclamation + Dialogs::DefaultButton2, caption) != Dialogs::Yes)
            return;
    }
    if (const WriteResult written = doc.renderPdf(path); !written)
        Dialogs::current().messageBox(QStringLiteral("The pages could not be saved as a PDF file.\r\r") + written.error,
                                      Dialogs::OkOnly + Dialogs::Critical, caption);
}
