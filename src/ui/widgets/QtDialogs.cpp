#include "ui/widgets/QtDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QUrl>

#include "ui/widgets/FontDialog.h"
#include "ui/widgets/HelpViewer.h"

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonSpec> buttonsFor(int style)
{
    switch (style & 7) {
    case Dialogs::OkCancel:
        return {{QMessageBox::Ok, Dialogs::Ok}, {QMessageBox::Cancel, Dialogs::Cancel}};
    case Dialogs::AbortRetryIgnore:
        return {{QMessageBox::Abort, Dialogs::Abort}, {QMessageBox::Retry, Dialogs::Retry},
                {QMessageBox::Ignore, Dialogs::Ignore}};
    case Dialogs::YesNoCancel:
        return {{QMessageBox::Yes, Dialogs::Yes}, {QMessageBox::No, Dialogs::No},
                {QMessageBox::Cancel, Dialogs::Cancel}};
    case Dialogs::YesNo:
        return {{QMessageBox::Yes, Dialogs::Yes}, {QMessageBox::No, Dialogs::No}};
    case Dialogs::RetryCancel:
        return {{QMessageBox::Retry, Dialogs::Retry}, {QMessageBox::Cancel, Dialogs::Cancel}};
    default:
        return {{QMessageBox::Ok, Dialogs::Ok}};
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case Dialogs::Critical:
        return QMessageBox::Critical;
    case Dialogs::Question:
        return QMessageBox::Question;
    case Dialogs::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The answer given when the box is closed without a button: Cancel where there is one, else the only button.
int escapeAnswer(const QList<ButtonSpec> &buttons)
{
    for (const ButtonSpec &b : buttons)
        if (b.answer == Dialogs::Cancel)
            return b.answer;
    return buttons.size() == 1 ? buttons.first().answer : Dialogs::No;
}

} // namespace

int QtDialogs::messageBox(const QString &text, int style, const QString &caption)
{
    const QList<ButtonSpec> buttons = buttonsFor(style);
    // Stored texts break lines with CR or CR LF; the label breaks on LF only.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconFor(style), caption, shown, QMessageBox::NoButton, QApplication::activeWindow());
    QList<QPushButton *> pushButtons;
    for (const ButtonSpec &b : buttons)
        pushButtons.append(box.addButton(b.button));
    const int defaultIndex = (style & DefaultButton3) ? 2 : (style & DefaultButton2) ? 1 : 0;
    box.setDefaultButton(pushButtons.value(defaultIndex, pushButtons.first()));
    box.exec();
    for (int i = 0; i < pushButtons.size(); ++i)
        if (box.clickedButton() == pushButtons[i])
            return buttons[i].answer;
    return escapeAnswer(buttons);
}

void QtDialogs::showHelp(const QString &helpFile, int command, int context)
{
    HelpViewer::show(helpFile, command, context);
}

void QtDialogs::openWebAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void QtDialogs::setClipboardText(const QString &text)
{
    QApplication::clipboard()->setText(text);
}

void QtDialogs::setClipboardImage(const QImage &image)
{
    QApplication::clipboard()->setImage(image);
}

bool QtDialogs::chooseFont(QFont &font, QColor &colour, int flags)
{
    return FontDialog::choose(font, colour, flags, QApplication::activeWindow());
}

bool QtDialogs::pageSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

QString QtDialogs::saveFileName(const QString &caption, const QString &path, const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, path, filter);
}

QString QtDialogs::openFileName(const QString &caption, const QString &path, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, path, filter);
}

QString QtDialogs::folderName(const QString &caption, const QString &path)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, path);
}
