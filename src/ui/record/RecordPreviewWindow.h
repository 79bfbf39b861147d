#pragma once

#include <QList>
#include <QStringList>

#include "ui/exports/ReportWindow.h"

// A printed page of the compliance record in the print preview: its HTML laid out on the pages and,
// for a register, its rows kept for a CSV file.
class RecordPreviewWindow : public ReportWindow
{
    Q_OBJECT

public:
    RecordPreviewWindow(const QString &title, const QString &html, QWidget *parent = nullptr,
                        QList<QStringList> sheet = {});
};
