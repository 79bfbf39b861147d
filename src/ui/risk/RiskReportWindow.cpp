#include "ui/risk/RiskReportWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/preview/PrintPreview.h"
#include "ui/preview/PreviewPanel.h"

RiskReportWindow::RiskReportWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("riskReport"));
    setWindowTitle(QStringLiteral("Risk Register Report"));
    auto *layout = new QVBoxLayout(this);
    preview = new PrintPreview(this);
    preview->setObjectName(QStringLiteral("reportPreview"));
    preview->setAccessibleName(QStringLiteral("Report preview"));
    layout->addWidget(preview, 1);
    auto *row = new QHBoxLayout;
    printButton = new QPushButton(QStringLiteral("&Print…"), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    pdfButton = new QPushButton(QStringLiteral("Save as P&DF…"), this);
    pdfButton->setObjectName(QStringLiteral("pdfButton"));
    closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    row->addStretch(1);
    for (QPushButton *button : {printButton, pdfButton, closeButton})
        row->addWidget(button);
    layout->addLayout(row);
    connect(printButton, &QPushButton::clicked, this, [this] { preview->Action(PrintPreview::PrintDocument); });
    connect(pdfButton, &QPushButton::clicked, this, [this] { PreviewPanel::savePdf(preview->document()); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 820);
}
