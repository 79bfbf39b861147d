#include "pagetools/PreviewPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/HINFO1.h"
#include "app/Twips.h"
#include "components/Dialogs.h"
#include "components/preview/PrintPreview.h"
#include "pagetools/PrinterSettings.h"
#include "ui/exports/ReportExports.h"
#include "settings/DisplaySettings.h"

void SSPanel80::open()
{
    show();
    if (parentWidget())
        raise();
    setFocus();
    SSCommand1->raise();
    SSCommand80[2]->setFocus();
    QCoreApplication::processEvents();
}

void SSPanel80::saveNormalLayout()
{
    SSCommand1->move(SSCommand1->x(), Twips::toPixels(115));
    recordNormalLayout();
}

void SSPanel80::recordNormalLayout()
{
    const QRect normal = normalPreviewGeometry();
    PrinterSettings::NormalPreviewWidth = qint16(Twips::fromPixels(normal.width()));
    PrinterSettings::NormalPreviewLeft = qint16(Twips::fromPixels(normal.x()));
}

bool SSPanel80::isEnlarged() const
{
    return SSCommand1->text() == QStringLiteral("Normal");
}

bool SSPanel80::handleEscape()
{
    if (isHidden())
        return false;
    if (isEnlarged())
        SSCommand1_Click();
    else
        SSCommand80_Click(2);
    return true;
}

void SSPanel80::SSCommand1_Click()
{
    if (isEnlarged()) {
        SSCommand1->setText(QStringLiteral("Enlarge"));
        VSP1->setGeometry(Twips::toPixels(PrinterSettings::NormalPreviewLeft), VSP1->y(),
                          Twips::toPixels(PrinterSettings::NormalPreviewWidth), VSP1->height());
        VSP1->setZoom(PrintPreview::WholePage);
        VSP1->raise();
        SSCommand1->raise();
        SSCommand80[2]->setFocus();
        if (m_variant == MiscArea)
            QCoreApplication::processEvents();
        return;
    }
    SSCommand1->setText(QStringLiteral("Normal"));
    layoutControls();
    VSP1->setZoom(PrintPreview::PageWidth);
    VSP1->raise();
    SSCommand1->raise();
}

void SSPanel80::SSCommand80_Click(int index)
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
        VSP1->Action(PrintPreview::PrintDocument);
        break;
    case 5:
        savePdfClicked();
        break;
    case 6:
        ReportExports::save(VSP1->document(), ReportExports::Format::Odt);
        SSCommand80[2]->setFocus();
        break;
    case 7:
        ReportExports::save(VSP1->document(), ReportExports::Format::Csv);
        SSCommand80[2]->setFocus();
        break;
    default:
        break;
    }
}

void SSPanel80::printerFontClicked()
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

void SSPanel80::pageSetupClicked()
{
    VSP1->Action(PrintPreview::PageSetup);
    showOrientation();
    if (m_variant != MiscArea)
        PrinterSettings::readMargins(VSP1->document());
    QCoreApplication::processEvents();
    emit renderRequested(PageSetupDone);
}

void SSPanel80::cancelClicked()
{
    hide();
    if (m_variant == MiscArea) {
        QCoreApplication::processEvents();
        SSCheck81->setEnabled(true);
    } else if (m_variant == Reader) {
        QCoreApplication::processEvents();
        HINFO1::busyOff();
    }
    emit closed();
}

void SSPanel80::copyClicked()
{
    VSP1->Action(PrintPreview::CopyPage);
    Dialogs::current().messageBox(QStringLiteral("Current Page has been copied to the Windows Clipboard."),
                                  Dialogs::Information, QStringLiteral("Copy Option"));
    SSCommand80[2]->setFocus();
}

void SSPanel80::showPrinterFont()
{
    const PrinterSettings::PrinterFont &f = PrinterSettings::Font;
    Panel3D80[0]->setText(QStringLiteral(" ") + f.name);
    Panel3D80[1]->setText(QStringLiteral(" ") + PrinterSettings::sizeText(f.size));
    if (!fontSample)
        return;
    fontSample->setFont(f.font());
    QPalette palette = fontSample->palette();
    palette.setColor(QPalette::WindowText, f.colour);
    fontSample->setPalette(palette);
}

void SSPanel80::clearPrinterFont()
{
    Panel3D80[0]->setText(QStringLiteral(" "));
    Panel3D80[1]->setText(QStringLiteral(" "));
}

void SSPanel80::showOrientation()
{
    Panel3D80[2]->setText(VSP1->document().orientation() == 1 ? QStringLiteral(" Landscape")
                                                              : QStringLiteral(" Portrait"));
}

void SSPanel80::resetOrientation()
{
    VSP1->document().setOrientation(0);
    showOrientation();
}

void SSPanel80::applyGuideLineSetting()
{
    HINFO1::SharedAnswer = SettingsLoadMarker;
    // Anything but 1 (including unreadable text) means no guide lines.
    const int stored = DisplaySettings().value(DisplaySettings::GuideLines) == 1 ? 1 : 0;
    SSOption82[stored]->setChecked(true);
    SSOption82_Click(stored);
    resetOrientation();
}

void SSPanel80::SSOption82_Click(int index)
{
    VSP1->setGuideLines(index == 1);
    if (HINFO1::SharedAnswer != SettingsLoadMarker) {
        DisplaySettings().setValue(DisplaySettings::GuideLines, index);
        return;
    }
    if (m_variant != WorkArea)
        HINFO1::SharedAnswer = 0;
}

void SSPanel80::SSOption81_Click()
{
    if (m_variant == MiscArea)
        emit renderRequested(PrintRangeClicked);
}
