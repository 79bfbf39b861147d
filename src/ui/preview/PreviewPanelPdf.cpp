#include "ui/preview/PreviewPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "ui/preview/PrintPreview.h"

QString PreviewPanel::suggestedPdfName(const QString &title, const QDate &date)
{
    QString name = title.trimmed().isEmpty() ? QStringLiteral("Report") : title.trimmed();
    // Characters no file system takes in a name.
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    return name + date.toString(QStringLiteral(" yyyy-MM-dd")) + QStringLiteral(".pdf");
}

namespace {

const QString savePdfCaption = QStringLiteral("Save as PDF");

// A name typed without an extension gets ".pdf". The file dialog only asked about replacing the name as
// typed, so replacing an existing file of the completed name is asked here; "" when the user declines.
QString completedPdfPath(QString path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    path += path.endsWith(u'.') ? QStringLiteral("pdf") : QStringLiteral(".pdf");
    if (!QFileInfo::exists(path))
        return path;
    const int answer = Dialogs::current().messageBox(
        QStringLiteral("\"%1\" already exists.\r\rDo you want to replace it?")
            .arg(QDir::toNativeSeparators(path)),
        Dialogs::YesNo + Dialogs::Exclamation + Dialogs::DefaultButton2, savePdfCaption);
    return answer == Dialogs::Yes ? path : QString();
}

} // namespace

void PreviewPanel::savePdfClicked()
{
    savePdf(printPreview->document());
    pageCommands[2]->setFocus();
}

void PreviewPanel::savePdf(const PreviewDocument &doc)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder).filePath(suggestedPdfName(doc.title(), Clock::current().now().date()));
    const QString chosen =
        Dialogs::current().saveFileName(savePdfCaption, suggested, QStringLiteral("PDF files (*.pdf)"));
    const QString path = chosen.isEmpty() ? chosen : completedPdfPath(chosen);
    if (!path.isEmpty()) {
        const WriteResult written = doc.renderPdf(path);
        if (!written)
            Dialogs::current().messageBox(
                QStringLiteral("The preview could not be saved as a PDF file.\r\r") + written.error,
                Dialogs::OkOnly + Dialogs::Critical, savePdfCaption);
    }
}
