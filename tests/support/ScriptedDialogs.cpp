#include "support/ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

int ScriptedDialogs::messageBox(const QString &text, int style, const QString &caption)
{
    messages.append({text, style, caption});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    const int buttons = style & 7;
    return (buttons == YesNo || buttons == YesNoCancel) ? Yes : Ok;
}

void ScriptedDialogs::showHelp(const QString &helpFile, int command, int context)
{
    helps.append({helpFile, command, context});
}

void ScriptedDialogs::openWebAddress(const QString &address)
{
    webAddresses.append(address);
}

void ScriptedDialogs::setClipboardText(const QString &text)
{
    clipboardText = text;
}

void ScriptedDialogs::setClipboardImage(const QImage &image)
{
    clipboardImage = image;
}

bool ScriptedDialogs::chooseFont(QFont &font, QColor &colour, int flags)
{
    fontFlags.append(flags);
    fontPresets.append(font);
    colourPresets.append(colour);
    if (m_fonts.isEmpty())
        return false;
    const FontAnswer a = m_fonts.takeFirst();
    if (a.cancel)
        return false;
    font = a.font;
    if (a.colour.isValid())
        colour = a.colour;
    return true;
}

bool ScriptedDialogs::pageSetup(QPrinter &printer)
{
    ++pageSetupCalls;
    const bool ok = m_pageSetups.isEmpty() ? false : m_pageSetups.takeFirst();
    if (ok && onPageSetup)
        onPageSetup(printer);
    return ok;
}

bool ScriptedDialogs::printDialog(QPrinter &printer)
{
    ++printCalls;
    const bool ok = m_prints.isEmpty() ? false : m_prints.takeFirst();
    if (ok && onPrint)
        onPrint(printer);
    return ok;
}

QString ScriptedDialogs::saveFileName(const QString &caption, const QString &path, const QString &filter)
{
    fileDialogs.append({caption, path, filter, true});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.takeFirst();
}

QString ScriptedDialogs::openFileName(const QString &caption, const QString &path, const QString &filter)
{
    fileDialogs.append({caption, path, filter, false});
    return m_fileNames.isEmpty() ? QString() : m_fileNames.takeFirst();
}

QString ScriptedDialogs::folderName(const QString &caption, const QString &path)
{
    return openFileName(caption, path, QString());
}
