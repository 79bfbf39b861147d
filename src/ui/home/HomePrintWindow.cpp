#include "ui/home/HomePrintWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/workbook/Clock.h"
#include "ui/preview/PrintPreview.h"
#include "core/home/DashboardReport.h"
#include "ui/exports/ReportExports.h"

HomePrintWindow::HomePrintWindow(const QList<FigureGroup> &groups, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("homePrintWindow"));
    setWindowTitle(QString::fromLatin1(DashboardReport::title));
    preview = new PrintPreview(this);
    preview->setObjectName(QStringLiteral("homePreview"));
    preview->setNavigation(3);
    preview->setZoom(PrintPreview::PageWidth);
    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    printButton = button("printButton", QStringLiteral("&Print…"));
    pdfButton = button("pdfButton", QStringLiteral("Save as P&DF…"));
    odtButton = button("odtButton", QStringLiteral("Save as &ODT…"));
    closeButton = button("closeButton", QStringLiteral("&Close"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {printButton, pdfButton, odtButton, closeButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(preview, 1);
    layout->addLayout(buttons);
    resize(760, 720);

    connect(printButton, &QPushButton::clicked, this,
            [this] { preview->Action(PrintPreview::PrintDocument); });
    connect(pdfButton, &QPushButton::clicked, this,
            [this] { ReportExports::save(preview->document(), ReportExports::Format::Pdf); });
    connect(odtButton, &QPushButton::clicked, this,
            [this] { ReportExports::save(preview->document(), ReportExports::Format::Odt); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    DashboardReport::build(preview->document(), groups, Clock::current().now().date());
    closeButton->setDefault(true);
}
