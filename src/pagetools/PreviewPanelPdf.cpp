#include "pagetools/PreviewPanel.h"

#include <QDir>
#include <QPushButton>
#include <QStandardPaths>

#include "app/Clock.h"
#include "components/Dialogs.h"
#include "components/preview/PrintPreview.h"

QString SSPanel80::suggestedPdfName(const QString &title, const QDate &date)
{
    QString name = title.trimmed().isEmpty() ? QStringLiteral("Report") : title.trimmed();
    // Characters no file system takes in a name.
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    return name + date.toString(QStringLiteral(" yyyy-MM-dd")) + QStringLiteral(".pdf");
}

void SSPanel80::savePdfClicked()
{
    const PreviewDocument &doc = VSP1->document();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder).filePath(suggestedPdfName(doc.title(), Clock::current().now().date()));
    const QString path = Dialogs::current().saveFileName(QStringLiteral("Save as PDF"), suggested,
                                                         QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty()) {
        const WriteResult written = doc.renderPdf(path);
        if (!written)
            Dialogs::current().messageBox(
                QStringLiteral("The preview could not be saved as a PDF file.\r\r") + written.error,
                Dialogs::OkOnly + Dialogs::Critical, QStringLiteral("Save as PDF"));
    }
    SSCommand80[2]->setFocus();
}
