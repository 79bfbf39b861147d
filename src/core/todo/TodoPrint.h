#pragma once

#include <QDate>
#include <QFont>
#include <QString>

#include <functional>

#include "core/todo/TodoGrid.h"
#include "core/print/PrinterSettings.h"

class PreviewDocument;

// The printed to-do list: a framed page head (title, "As of" date, column headings) repeated on every
// page, then one line for each row that has an item.
namespace TodoPrint {

struct Options {
    bool gridLines = true;
    bool asOfDate = true;
};

// The printer font for the list, from the font of the entry box: screen-only fonts become Times New
// Roman 12; a font the printer lacks falls back to Times New Roman, then Courier. `available` says
// whether the printer has a family.
PrinterSettings::PrinterFont printerFont(PrinterSettings::PrinterFont current, const QFont &entryFont,
                                         const std::function<bool(const QString &)> &available);

// Replaces the document's contents with the list, using its page size and margins.
void layout(PreviewDocument &document, const TodoGrid &grid, const PrinterSettings::PrinterFont &font,
            Options options, QDate today);

} // namespace TodoPrint
