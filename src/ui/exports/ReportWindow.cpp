#include "ui/exports/ReportWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/exports/PreviewEditable.h"
#include "ui/exports/ReportExports.h"
#include "ui/preview/PrintPreview.h"

ReportWindow::ReportWindow(const QString &objectName, const QString &title, QWidget *parent)
    : QDialog(parent), preview(new PrintPreview(this))
{
    setObjectName(objectName);
    setWindowTitle(title);
    preview->setObjectName(QStringLiteral("reportPreview"));
    preview->setAccessibleName(title);
    preview->setNavigation(3);
    preview->setZoom(PrintPreview::PageWidth);
    preview->document().setTitle(title);
    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    printButton = button("printButton", QStringLiteral("&Print…"));
    pdfButton = button("pdfButton", QStringLiteral("Save as P&DF…"));
    odtButton = button("odtButton", QStringLiteral("Save as &ODT…"));
    csvButton = button("csvButton", QStringLiteral("Save as C&SV…"));
    closeButton = button("closeButton", QStringLiteral("&Close"));
    csvButton->hide();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {printButton, pdfButton, odtButton, csvButton, closeButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(preview, 1);
    layout->addLayout(buttons);

    const auto saveAs = [this](ReportExports::Format format) {
        return [this, format] { ReportExports::save(preview->document(), format); };
    };
    connect(printButton, &QPushButton::clicked, this, [this] { preview->Action(PrintPreview::PrintDocument); });
    connect(pdfButton, &QPushButton::clicked, this, saveAs(ReportExports::Format::Pdf));
    connect(odtButton, &QPushButton::clicked, this, saveAs(ReportExports::Format::Odt));
    connect(csvButton, &QPushButton::clicked, this, saveAs(ReportExports::Format::Csv));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    closeButton->setDefault(true);
}

void ReportWindow::showExports()
{
    csvButton->setVisible(!PreviewEditable::sheet(preview->document()).isEmpty());
}
