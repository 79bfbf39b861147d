#pragma once

#include <QFont>
#include <QString>

class QImage;
class QPrinter;
class QWidget;

// Every dialog, help call, shell call and clipboard use of the program goes through this seam.
// The real implementation shows Qt dialogs; tests install a scripted one.
class Dialogs
{
public:
    // Answers of a message box.
    enum Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
    // Parts of a style value: buttons + icon + default button.
    enum Style {
        OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
        Critical = 16, Question = 32, Exclamation = 48, Information = 64,
        DefaultButton2 = 256, DefaultButton3 = 512
    };

    virtual ~Dialogs() = default;

    virtual int messageBox(const QString &text, int style, const QString &caption) = 0;

    // Help commands: show the topic given by its context number, or the contents.
    enum HelpCommand { HelpTopic = 1, HelpContents = 11 };
    // Help file by bare name, a HelpCommand, and the topic's context number.
    virtual void showHelp(const QString &helpFile, int command, int context) = 0;
    virtual void openWebAddress(const QString &address) = 0;

    virtual void setClipboardText(const QString &text) = 0;
    virtual void setClipboardImage(const QImage &image) = 0;

    // Font dialog: returns false when cancelled; font and colour are both in and out.
    virtual bool chooseFont(QFont &font, QColor &colour, int flags) = 0;
    // Page setup and print dialogs over a printer; false when cancelled.
    virtual bool pageSetup(QPrinter &printer) = 0;
    virtual bool printDialog(QPrinter &printer) = 0;

    // File dialogs starting at `path` (a folder, or a suggested file); the chosen file, or "" when cancelled.
    virtual QString saveFileName(const QString &caption, const QString &path, const QString &filter) = 0;
    virtual QString openFileName(const QString &caption, const QString &path, const QString &filter) = 0;
    // Folder dialog starting at `path`; the chosen folder, or "" when cancelled.
    virtual QString folderName(const QString &caption, const QString &path) = 0;

    // The dialogs the program uses; never null.
    static Dialogs &current();
    // Installs another implementation (tests); null restores the real one.
    static void install(Dialogs *dialogs);
};
