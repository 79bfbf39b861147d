#pragma once

#include <QDialog>

class PrintPreview;
class QPushButton;

// The register's report in a print preview, to print or save as PDF.
class RiskReportWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RiskReportWindow(QWidget *parent = nullptr);

    PrintPreview *preview = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *pdfButton = nullptr;
    QPushButton *closeButton = nullptr;
};
