#include "ui/preview/PreviewPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/workbook/ProgramState.h"
#include "core/workbook/Twips.h"
#include "ui/widgets/Dialogs.h"
#include "ui/preview/PrintPreview.h"
#include "core/print/PrinterSettings.h"
#include "ui/exports/ReportExports.h"
#include "core/settings/DisplaySettings.h"
#include "ui/shell/SettingSaveFailure.h"

void PreviewPanel::open()
{
    show();
    if (parentWidget())
        raise();
    setFocus();
    enlargeButton->raise();
    pageCommands[2]->setFocus();
    QCoreApplication::processEvents();
}

void PreviewPanel::saveNormalLayout()
{
    enlargeButton->move(enlargeButton->x(), Twips::toPixels(115));
    recordNormalLayout();
}

void PreviewPanel::recordNormalLayout()
{
    const QRect normal = normalPreviewGeometry();
    PrinterSettings::NormalPreviewWidth = qint16(Twips::fromPixels(normal.width()));
    PrinterSettings::NormalPreviewLeft = qint16(Twips::fromPixels(normal.x()));
}

bool PreviewPanel::isEnlarged() const
{
    return enlargeButton->text() == QStringLiteral("Normal");
}

bool PreviewPanel::handleEscape()
{
    if (isHidden())
        return false;
    if (isEnlarged())
        enlargeClicked();
    else
        pageCommandClicked(2);
    return true;
}

void PreviewPanel::enlargeClicked()
{
    if (isEnlarged()) {
        enlargeButton->setText(QStringLiteral("Enlarge"));
        printPreview->setGeometry(Twips::toPixels(PrinterSettings::NormalPreviewLeft), printPreview->y(),
                                  Twips::toPixels(PrinterSettings::NormalPreviewWidth),
                                  printPreview->height());
        printPreview->setZoom(PrintPreview::WholePage);
        printPreview->raise();
        enlargeButton->raise();
        pageCommands[2]->setFocus();
        if (m_variant == MiscArea)
            QCoreApplication::processEvents();
        return;
    }
    enlargeButton->setText(QStringLiteral("Normal"));
    layoutControls();
    printPreview->setZoom(PrintPreview::PageWidth);
    printPreview->raise();
    enlargeButton->raise();
}

void PreviewPanel::pageCommandClicked(int index)
{
    switch (index) {
    case 0:
        printerFontClicked();
        break;
    case 1:
        pageSetupClicked();
        break;
    case 2:
        cancelClicked();
        break;
    case 3:
        copyClicked();
        break;
    case 4:
        printPreview->Action(PrintPreview::PrintDocument);
        break;
    case 5:
        savePdfClicked();
        break;
    case 6:
        ReportExports::save(printPreview->document(), ReportExports::Format::Odt);
        pageCommands[2]->setFocus();
        break;
    case 7:
        ReportExports::save(printPreview->document(), ReportExports::Format::Csv);
        pageCommands[2]->setFocus();
        break;
    default:
        break;
    }
}

void PreviewPanel::printerFontClicked()
{
    if (m_variant == Reader)
        return;
    QFont font = PrinterSettings::Font.font();
    QColor colour = PrinterSettings::Font.colour;
    if (!Dialogs::current().chooseFont(font, colour, PrinterSettings::FontDialogFlags))
        return;
    PrinterSettings::Font.assign(font, colour);
    showPrinterFont();
    emit renderRequested(PrinterFontChanged);
}

void PreviewPanel::pageSetupClicked()
{
    printPreview->Action(PrintPreview::PageSetup);
    showOrientation();
    if (m_variant != MiscArea)
        PrinterSettings::readMargins(printPreview->document());
    QCoreApplication::processEvents();
    emit renderRequested(PageSetupDone);
}

void PreviewPanel::cancelClicked()
{
    hide();
    if (m_variant == MiscArea) {
        QCoreApplication::processEvents();
        asOfDateOption->setEnabled(true);
    } else if (m_variant == Reader) {
        QCoreApplication::processEvents();
        ProgramState::busyOff();
    }
    emit closed();
}

void PreviewPanel::copyClicked()
{
    printPreview->Action(PrintPreview::CopyPage);
    Dialogs::current().messageBox(QStringLiteral("Current Page has been copied to the Windows Clipboard."),
                                  Dialogs::Information, QStringLiteral("Copy Option"));
    pageCommands[2]->setFocus();
}

void PreviewPanel::showPrinterFont()
{
    const PrinterSettings::PrinterFont &f = PrinterSettings::Font;
    fontDisplays[0]->setText(QStringLiteral(" ") + f.name);
    fontDisplays[1]->setText(QStringLiteral(" ") + PrinterSettings::sizeText(f.size));
    if (!fontSample)
        return;
    fontSample->setFont(f.font());
    QPalette palette = fontSample->palette();
    palette.setColor(QPalette::WindowText, f.colour);
    fontSample->setPalette(palette);
}

void PreviewPanel::clearPrinterFont()
{
    fontDisplays[0]->setText(QStringLiteral(" "));
    fontDisplays[1]->setText(QStringLiteral(" "));
}

void PreviewPanel::showOrientation()
{
    fontDisplays[2]->setText(printPreview->document().orientation() == 1 ? QStringLiteral(" Landscape")
                                                                         : QStringLiteral(" Portrait"));
}

void PreviewPanel::resetOrientation()
{
    printPreview->document().setOrientation(0);
    showOrientation();
}

void PreviewPanel::applyGuideLineSetting()
{
    ProgramState::SharedAnswer = SettingsLoadMarker;
    // Anything but 1 (including unreadable text) means no guide lines.
    const int stored = DisplaySettings().value(DisplaySettings::GuideLines) == 1 ? 1 : 0;
    guideLineOptions[stored]->setChecked(true);
    guideLineClicked(stored);
    resetOrientation();
}

void PreviewPanel::guideLineClicked(int index)
{
    printPreview->setGuideLines(index == 1);
    if (ProgramState::SharedAnswer != SettingsLoadMarker) {
        tellIfSettingNotSaved(DisplaySettings().setValue(DisplaySettings::GuideLines, index));
        return;
    }
    if (m_variant != WorkArea)
        ProgramState::SharedAnswer = 0;
}

void PreviewPanel::printRangeClicked()
{
    if (m_variant == MiscArea)
        emit renderRequested(PrintRangeClicked);
}
