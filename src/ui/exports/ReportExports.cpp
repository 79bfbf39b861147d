#include "ui/exports/ReportExports.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "core/print/PreviewDocument.h"
#include "core/exports/Csv.h"
#include "core/exports/PreviewEditable.h"

namespace ReportExports {

namespace {

struct FormatInfo
{
    const char *extension;
    const char *caption;
    const char *filter;
    const char *failure;
};

const FormatInfo &info(Format format)
{
    static const FormatInfo formats[] = {
        {"pdf", "Save as PDF", "PDF files (*.pdf)", "The preview could not be saved as a PDF file."},
        {"odt", "Save as ODT", "OpenDocument text (*.odt)",
         "The report could not be saved as OpenDocument text."},
        {"csv", "Save as CSV", "CSV files (*.csv)", "The report's table could not be saved as a CSV file."},
    };
    return formats[int(format)];
}

} // namespace

QString suggestedName(const QString &title, const QDate &date, Format format)
{
    QString name = title.trimmed().isEmpty() ? QStringLiteral("Report") : title.trimmed();
    // Characters no file system takes in a name.
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    return name + date.toString(QStringLiteral(" yyyy-MM-dd.")) + QString::fromLatin1(info(format).extension);
}

QString completedPath(QString path, Format format)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    const QString extension = QString::fromLatin1(info(format).extension);
    path += path.endsWith(u'.') ? extension : u'.' + extension;
    if (!QFileInfo::exists(path))
        return path;
    const int answer =
        Dialogs::current().messageBox(QStringLiteral("\"%1\" already exists.\r\rDo you want to replace it?")
                                          .arg(QDir::toNativeSeparators(path)),
                                      Dialogs::YesNo + Dialogs::Exclamation + Dialogs::DefaultButton2,
                                      QString::fromLatin1(info(format).caption));
    return answer == Dialogs::Yes ? path : QString();
}

void save(const PreviewDocument &document, Format format)
{
    const FormatInfo &f = info(format);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder).filePath(suggestedName(document.title(), Clock::current().now().date(), format));
    const QString chosen = Dialogs::current().saveFileName(QString::fromLatin1(f.caption), suggested,
                                                           QString::fromLatin1(f.filter));
    const QString path = chosen.isEmpty() ? chosen : completedPath(chosen, format);
    if (path.isEmpty())
        return;
    Outcome written = Outcome::done();
    switch (format) {
    case Format::Pdf:
        written = document.renderPdf(path);
        break;
    case Format::Odt:
        written = PreviewEditable::saveOdt(document, path);
        break;
    case Format::Csv:
        written = Csv::save(path, PreviewEditable::sheet(document));
        break;
    }
    if (!written)
        Dialogs::current().messageBox(QString::fromLatin1(f.failure) + QStringLiteral("\r\r") + written.error,
                                      Dialogs::OkOnly + Dialogs::Critical, QString::fromLatin1(f.caption));
}

} // namespace ReportExports
