#pragma once

#include <QDialog>

class PrintPreview;
class QPushButton;

// A report in the print preview with the ways it leaves the program: printed, saved as PDF, as
// OpenDocument text and, when the report is a table, as CSV. The report is drawn into preview's
// document by whoever opens the window, then showExports() offers what the document holds.
class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    ReportWindow(const QString &objectName, const QString &title, QWidget *parent = nullptr);

    // Shows "Save as C&SV…" when the drawn document has rows for a CSV file.
    void showExports();

    PrintPreview *preview = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *pdfButton = nullptr;
    QPushButton *odtButton = nullptr;
    QPushButton *csvButton = nullptr;
    QPushButton *closeButton = nullptr;
};
