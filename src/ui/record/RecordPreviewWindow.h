#pragma once

#include <QDialog>

class PrintPreview;
class QPushButton;

// A printed page of the compliance record in the print preview, with printing and Save as PDF.
class RecordPreviewWindow : public QDialog
{
    Q_OBJECT

public:
    RecordPreviewWindow(const QString &title, const QString &html, QWidget *parent = nullptr);

    PrintPreview *preview() const { return m_preview; }
    // Asks for a file name and writes the pages there as PDF; failures are told.
    void savePdf();

private:
    PrintPreview *m_preview;
    QPushButton *m_savePdfButton;
    QPushButton *m_printButton;
    QPushButton *m_closeButton;
};
