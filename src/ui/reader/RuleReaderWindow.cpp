#include "ui/reader/RuleReaderWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/FontDisplay.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/ReaderPreview.h"
#include "core/rule/RulePages.h"
#include "ui/reader/SearchPanel.h"
#include "core/files/ContentFolder.h"
#include "core/workbook/HelpTopics.h"

bool RuleReaderWindow::amendedTextShown = false;

void RuleReaderWindow::pageOptionClicked(int n)
{
    if (searchPanel->isVisible())
        searchPanel->hide();
    loadingCover->show();
    loadingCover->raise();
    pageView->setHideSelection(false);
    QCoreApplication::processEvents();
    ProgramState::ReaderPage = qint16(n);

    ProgramState::busyOn();
    pageView->setText(QString());
    m_page = n;
    const QString file = RulePages::fileName(n, amendedTextAction->isChecked());
    QString error;
    if (!pageView->LoadFile(ContentFolder::file(file), &error)) {
        ProgramState::busyOff();
        loadingCover->hide();
        Dialogs::current().messageBox(QStringLiteral("The page \"%1\" could not be loaded:\r%2\r\rThe file "
                                                     "belongs in the program's content folder; "
                                                     "installing the program again restores it.")
                                          .arg(file, error),
                                      Dialogs::OkOnly + Dialogs::Exclamation, windowTitle());
        return;
    }
    printButton->setEnabled(true);
    printAction->setEnabled(true);
    QCoreApplication::processEvents();
    printButton->setFocus();
    ProgramState::busyOff();

    QCoreApplication::processEvents();
    loadingCover->hide();
    if (!searchButton->isEnabled())
        setPageCommandsEnabled(true, true);
    ProgramState::busyOff();
}

void RuleReaderWindow::amendedTextClicked()
{
    amendedTextShown = amendedTextAction->isChecked();
    if (m_page < 0 || !RulePages::hasAmendedText(m_page))
        return;
    pageOptionClicked(m_page);
    if (previewPanel->isVisible())
        ReaderPreview::render(*previewPanel->printPreview, *pageView);
}

void RuleReaderWindow::setPageCommandsEnabled(bool print, bool search)
{
    printButton->setEnabled(print);
    printAction->setEnabled(print);
    searchButton->setEnabled(search);
    searchAction->setEnabled(search);
}

void RuleReaderWindow::fontClicked()
{
    fontDisplay(*pageView);
}

void RuleReaderWindow::printClicked()
{
    ReaderPreview::open(*previewPanel, *pageView);
}

void RuleReaderWindow::searchClicked()
{
    searchPanel->toggle();
}

int RuleReaderWindow::helpTopic() const
{
    return previewPanel->isVisible() ? HelpTopics::PrintPreview : HelpTopics::RuleReader;
}

QString RuleReaderWindow::helpFile() const
{
    return Product::areaHelpFile;
}

void RuleReaderWindow::escapePressed()
{
    if (previewPanel->handleEscape())
        return;
    if (!searchPanel->isVisible())
        closeArea();
    else
        searchPanel->closeClicked();
}

bool RuleReaderWindow::keyPreview(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !searchPanel->isVisible())
        return false;
    searchPanel->searchButton->setFocus();
    searchPanel->searchClicked();
    return true;
}

void RuleReaderWindow::windowActivated()
{
    previewPanel->saveNormalLayout();
    QCoreApplication::processEvents();
    ProgramState::busyOff();
}
