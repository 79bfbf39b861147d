#include "ui/home/HomePrintWindow.h"

#include "core/home/DashboardReport.h"
#include "core/workbook/Clock.h"
#include "ui/preview/PrintPreview.h"

HomePrintWindow::HomePrintWindow(const QList<FigureGroup> &groups, QWidget *parent)
    : ReportWindow(QStringLiteral("homePrintWindow"), QString::fromLatin1(DashboardReport::title), parent)
{
    DashboardReport::build(preview->document(), groups, Clock::current().now().date());
    showExports();
    resize(760, 720);
}
