#pragma once

#include <sys/resource.h>

#include "ui/widgets/Dialogs.h"

// Answers message boxes at once and remembers whether one was shown.
class SilentDialogs : public Dialogs
{
public:
    int messageBox(const QString &, int, const QString &) override
    {
        told = true;
        return Ok;
    }
    void showHelp(const QString &, int, int) override {}
    void openWebAddress(const QString &) override {}
    void setClipboardText(const QString &) override {}
    void setClipboardImage(const QImage &) override {}
    bool chooseFont(QFont &, QColor &, int) override { return false; }
    bool pageSetup(QPrinter &) override { return false; }
    bool printDialog(QPrinter &) override { return false; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString folderName(const QString &, const QString &) override { return {}; }

    bool told = false;
};

// The most memory the process has held so far, in MB.
inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
