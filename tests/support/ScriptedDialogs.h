#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

#include "ui/widgets/Dialogs.h"

// Records every dialog the program asks for and answers from queues; installs itself while it lives.
class ScriptedDialogs : public Dialogs
{
public:
    struct Message {
        QString text;
        int style;
        QString caption;
    };
    struct FileDialog {
        QString caption;
        QString path;
        QString filter;
        bool save;
    };
    struct Help {
        QString file;
        int command;
        int context;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Queued answers; an empty queue answers the first button of the box (OK or Yes).
    void answer(int reply) { m_answers.append(reply); }
    void answerFont(const QFont &font, const QColor &colour = QColor()) { m_fonts.append({font, colour}); }
    void cancelNextFont() { m_fonts.append({QFont(), QColor(), true}); }
    void answerPageSetup(bool ok) { m_pageSetups.append(ok); }
    void answerPrint(bool ok) { m_prints.append(ok); }
    // Queued file dialog choices; an empty queue cancels.
    void answerFileName(const QString &path) { m_fileNames.append(path); }

    QList<Message> messages;
    QList<Help> helps;
    QStringList webAddresses;
    QString clipboardText;
    QImage clipboardImage;
    QList<int> fontFlags;
    // The font and colour each font dialog opened with.
    QList<QFont> fontPresets;
    QList<QColor> colourPresets;
    QList<FileDialog> fileDialogs;
    int pageSetupCalls = 0;
    int printCalls = 0;
    // Run on the printer when a page setup or print dialog is answered OK, as the user's choices.
    std::function<void(QPrinter &)> onPageSetup;
    std::function<void(QPrinter &)> onPrint;

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

private:
    struct FontAnswer {
        QFont font;
        QColor colour;
        bool cancel = false;
    };
    QList<int> m_answers;
    QList<FontAnswer> m_fonts;
    QList<bool> m_pageSetups;
    QList<bool> m_prints;
    QStringList m_fileNames;
};
