#include "ui/reader/PrivRule1.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "core/workbook/HINFO1.h"
#include "core/workbook/Product.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/FontDisplay.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/ReaderPreview.h"
#include "ui/reader/RulePages.h"
#include "ui/reader/SearchPanel.h"
#include "core/files/ContentFolder.h"
#include "core/workbook/HelpTopics.h"

bool PrivRule1::amendedTextShown = false;

void PrivRule1::SSOption1_Click(int n)
{
    if (Panel3D3->isVisible())
        Panel3D3->hide();
    RText->show();
    RText->raise();
    RText2->setHideSelection(false);
    QCoreApplication::processEvents();
    HINFO1::ReaderPage = qint16(n);

    HINFO1::busyOn();
    RText2->setText(QString());
    m_page = n;
    const QString file = RulePages::fileName(n, mOAmended->isChecked());
    QString error;
    if (!RText2->LoadFile(ContentFolder::file(file), &error)) {
        HINFO1::busyOff();
        RText->hide();
        Dialogs::current().messageBox(
            QStringLiteral("The page \"%1\" could not be loaded:\r%2\r\rThe file belongs in the program's content folder; "
                           "installing the program again restores it.")
                .arg(file, error),
            Dialogs::OkOnly + Dialogs::Exclamation, windowTitle());
        return;
    }
    SSCommand4->setEnabled(true);
    mOPrint->setEnabled(true);
    QCoreApplication::processEvents();
    SSCommand4->setFocus();
    HINFO1::busyOff();

    QCoreApplication::processEvents();
    RText->hide();
    if (!SSCommand5->isEnabled())
        setPageCommandsEnabled(true, true);
    HINFO1::busyOff();
}

void PrivRule1::mOAmended_Click()
{
    amendedTextShown = mOAmended->isChecked();
    if (m_page < 0 || !RulePages::hasAmendedText(m_page))
        return;
    SSOption1_Click(m_page);
    if (previewPanel->isVisible())
        ReaderPreview::render(*previewPanel->VSP1, *RText2);
}

void PrivRule1::setPageCommandsEnabled(bool print, bool search)
{
    SSCommand4->setEnabled(print);
    mOPrint->setEnabled(print);
    SSCommand5->setEnabled(search);
    mOSearch->setEnabled(search);
}

void PrivRule1::SSCommand3_Click()
{
    fontDisplay(*RText2);
}

void PrivRule1::SSCommand4_Click()
{
    ReaderPreview::open(*previewPanel, *RText2);
}

void PrivRule1::SSCommand5_Click()
{
    Panel3D3->toggle();
}

int PrivRule1::helpTopic() const
{
    return previewPanel->isVisible() ? HelpTopics::PrintPreview : HelpTopics::RuleReader;
}

QString PrivRule1::helpFile() const
{
    return Product::areaHelpFile;
}

void PrivRule1::escapePressed()
{
    if (previewPanel->handleEscape())
        return;
    if (!Panel3D3->isVisible())
        closeArea();
    else
        Panel3D3->Command6_Click();
}

bool PrivRule1::keyPreview(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || !Panel3D3->isVisible())
        return false;
    Panel3D3->Command5->setFocus();
    Panel3D3->Command5_Click();
    return true;
}

void PrivRule1::Form_Activate()
{
    previewPanel->saveNormalLayout();
    QCoreApplication::processEvents();
    HINFO1::busyOff();
}
