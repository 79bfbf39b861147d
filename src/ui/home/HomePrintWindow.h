#pragma once

#include <QDialog>

#include "core/home/DashboardModel.h"

class PrintPreview;
class QPushButton;

// The print preview of the Home page's figures, printed or saved as PDF or OpenDocument text.
class HomePrintWindow : public QDialog
{
    Q_OBJECT

public:
    HomePrintWindow(const QList<FigureGroup> &groups, QWidget *parent = nullptr);

    PrintPreview *preview = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *pdfButton = nullptr;
    QPushButton *odtButton = nullptr;
    QPushButton *closeButton = nullptr;
};
