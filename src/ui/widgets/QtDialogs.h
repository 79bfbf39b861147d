#pragma once

#include "ui/widgets/Dialogs.h"

// The seam's real implementation: Qt's own dialogs.
class QtDialogs : public Dialogs
{
public:
    int messageBox(const QString &text, int style, const QString &caption) override;
    void showHelp(const QString &helpFile, int command, int context) override;
    void openWebAddress(const QString &address) override;
    void setClipboardText(const QString &text) override;
    void setClipboardImage(const QImage &image) override;
    bool chooseFont(QFont &font, QColor &colour, int flags) override;
    bool pageSetup(QPrinter &printer) override;
    bool printDialog(QPrinter &printer) override;
    QString saveFileName(const QString &caption, const QString &path, const QString &filter) override;
    QString openFileName(const QString &caption, const QString &path, const QString &filter) override;
    QString folderName(const QString &caption, const QString &path) override;
};
