#pragma once

#include <QString>

class PreviewDocument;
class QDate;

// Saving a printed report as a file the user chooses: PDF, OpenDocument text (tables and headings kept,
// for editing in a word processor) or, for a report made of a table, CSV. A failure is told to the user.
namespace ReportExports {

enum class Format { Pdf, Odt, Csv };

// "Report 2026-12-08.odt" for the title "Report".
QString suggestedName(const QString &title, const QDate &date, Format format);

// A name typed without an extension gets the format's. The file dialog only asked about replacing the name
// as typed, so replacing an existing file of the completed name is asked here; "" when the user declines.
QString completedPath(QString path, Format format);

// Asks for the file (in the documents folder, named for the title and today) and writes it.
void save(const PreviewDocument &document, Format format);

} // namespace ReportExports
