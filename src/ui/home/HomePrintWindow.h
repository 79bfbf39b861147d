#pragma once

#include "core/home/DashboardModel.h"
#include "ui/exports/ReportWindow.h"

// The print preview of the Home page's figures.
class HomePrintWindow : public ReportWindow
{
    Q_OBJECT

public:
    HomePrintWindow(const QList<FigureGroup> &groups, QWidget *parent = nullptr);
};
