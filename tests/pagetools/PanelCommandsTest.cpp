#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QSignalSpy>

#include "pagetools/PanelFixture.h"

using PanelCommands = PanelTest;

TEST_P(PanelCommands, PrinterFontCancelledChangesNothing)
{
    auto panel = makePanel(GetParam());
    panel->showPrinterFont();
    const QString name = panel->fontDisplays[0]->text();
    const QString size = panel->fontDisplays[1]->text();
    QSignalSpy render(panel.get(), &PreviewPanel::renderRequested);
    dialogs.cancelNextFont();

    command(*panel, 0)->click();

    EXPECT_EQ(panel->fontDisplays[0]->text(), name);
    EXPECT_EQ(panel->fontDisplays[1]->text(), size);
    EXPECT_EQ(PrinterSettings::Font.name, "Arial");
    EXPECT_EQ(PrinterSettings::Font.size, 10);
    EXPECT_EQ(render.count(), 0);
    // The reader has no printer font: no dialog at all.
    EXPECT_EQ(dialogs.fontFlags, GetParam() == PreviewPanel::Reader ? QList<int>() : QList<int>{8450});
}

TEST_P(PanelCommands, PrinterFontChosenIsSharedShownAndRendered)
{
    auto panel = makePanel(GetParam());
    PrinterSettings::Font.name = QStringLiteral("Times New Roman");
    PrinterSettings::Font.size = 12;
    PrinterSettings::Font.underline = true;
    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSizeF(14.5);
    chosen.setBold(true);
    dialogs.answerFont(chosen, Qt::darkBlue);
    QSignalSpy render(panel.get(), &PreviewPanel::renderRequested);

    command(*panel, 0)->click();

    if (GetParam() == PreviewPanel::Reader) {
        EXPECT_TRUE(dialogs.fontFlags.isEmpty());
        EXPECT_EQ(panel->fontDisplays[0]->text(), " ");
        EXPECT_EQ(render.count(), 0);
        return;
    }
    ASSERT_EQ(dialogs.fontPresets.size(), 1);
    EXPECT_EQ(dialogs.fontPresets[0].family(), "Times New Roman");
    EXPECT_EQ(dialogs.fontPresets[0].pointSizeF(), 12);
    EXPECT_TRUE(dialogs.fontPresets[0].underline());
    EXPECT_EQ(PrinterSettings::Font.name, "Courier New");
    EXPECT_EQ(PrinterSettings::Font.size, 14.5);
    EXPECT_TRUE(PrinterSettings::Font.bold);
    EXPECT_FALSE(PrinterSettings::Font.underline);
    EXPECT_EQ(PrinterSettings::Font.colour, QColor(Qt::darkBlue));
    EXPECT_EQ(panel->fontDisplays[0]->text(), " Courier New");
    EXPECT_EQ(panel->fontDisplays[1]->text(), " 14.5");
    EXPECT_EQ(panel->fontSample->font().family(), "Courier New");
    EXPECT_TRUE(panel->fontSample->font().bold());
    EXPECT_EQ(panel->fontSample->palette().color(QPalette::WindowText), QColor(Qt::darkBlue));
    ASSERT_EQ(render.count(), 1);
    EXPECT_EQ(render[0][0].value<PreviewPanel::RenderCause>(), PreviewPanel::PrinterFontChanged);
}

TEST_P(PanelCommands, PageSetupToLandscapeShowsItReadsMarginsAndRendersAgain)
{
    auto panel = makePanel(GetParam());
    PrinterSettings::setMargins(350, 300, 350, 100);
    PrinterSettings::applyMargins(panel->printPreview->document());
    renderText(*panel, QStringLiteral("page"));
    dialogs.onPageSetup = [](QPrinter &printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    };
    dialogs.answerPageSetup(true);
    QSignalSpy render(panel.get(), &PreviewPanel::renderRequested);

    command(*panel, 1)->click();

    EXPECT_EQ(dialogs.pageSetupCalls, 1);
    EXPECT_EQ(panel->fontDisplays[2]->text(), " Landscape");
    ASSERT_EQ(render.count(), 1);
    EXPECT_EQ(render[0][0].value<PreviewPanel::RenderCause>(), PreviewPanel::PageSetupDone);
    // The misc area keeps its own margins; the others take them from the page setup.
    const float expectedLeft = GetParam() == PreviewPanel::MiscArea ? 350 : 1440;
    EXPECT_NEAR(PrinterSettings::PrintMarginLeft, expectedLeft, 1);
    EXPECT_NEAR(PrinterSettings::PrintMarginBottom, GetParam() == PreviewPanel::MiscArea ? 100 : 1440, 1);

    dialogs.onPageSetup = [](QPrinter &printer) { printer.setPageOrientation(QPageLayout::Portrait); };
    dialogs.answerPageSetup(true);
    command(*panel, 1)->click();
    EXPECT_EQ(panel->fontDisplays[2]->text(), " Portrait");
}

TEST_P(PanelCommands, CopyPutsTheShownPageOnTheClipboardThenConfirms)
{
    auto panel = makePanel(GetParam());
    renderText(*panel, QStringLiteral("first page"));
    panel->printPreview->document().startDoc();
    panel->printPreview->document().printText(QStringLiteral("one"));
    panel->printPreview->document().newPage();
    panel->printPreview->document().printText(QStringLiteral("two"));
    panel->printPreview->document().endDoc();
    panel->printPreview->setCurrentPage(2);

    command(*panel, 3)->click();

    const QImage expected = panel->printPreview->document().pageImage(1, PrintPreview::clipboardDpi);
    ASSERT_FALSE(dialogs.clipboardImage.isNull());
    EXPECT_EQ(dialogs.clipboardImage, expected);
    EXPECT_NE(dialogs.clipboardImage,
              panel->printPreview->document().pageImage(0, PrintPreview::clipboardDpi));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Current Page has been copied to the Windows Clipboard.");
    EXPECT_EQ(dialogs.messages[0].style, 64);
    EXPECT_EQ(dialogs.messages[0].caption, "Copy Option");
}

TEST_P(PanelCommands, CopyOfAnEmptyPreviewStillConfirms)
{
    auto panel = makePanel(GetParam());
    command(*panel, 3)->click();
    EXPECT_TRUE(dialogs.clipboardImage.isNull());
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_P(PanelCommands, PrintAsksThePrintDialogAndCancelHides)
{
    auto panel = makePanel(GetParam());
    renderText(*panel, QStringLiteral("text"));
    dialogs.answerPrint(false);
    command(*panel, 4)->click();
    EXPECT_EQ(dialogs.printCalls, 1);
    EXPECT_TRUE(panel->isVisible());

    if (panel->asOfDateOption)
        panel->asOfDateOption->setEnabled(false);
    ProgramState::busyOn();
    QSignalSpy closed(panel.get(), &PreviewPanel::closed);
    command(*panel, 2)->click();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(closed.count(), 1);
    if (GetParam() == PreviewPanel::MiscArea) {
        EXPECT_TRUE(panel->asOfDateOption->isEnabled());
    }
    EXPECT_EQ(ProgramState::mousePointer(), GetParam() == PreviewPanel::Reader ? 0 : 11);
}

TEST_P(PanelCommands, PrintRangeClickRendersOnlyInTheMiscArea)
{
    auto panel = makePanel(GetParam());
    QSignalSpy render(panel.get(), &PreviewPanel::renderRequested);
    panel->printRangeOption->click();
    EXPECT_EQ(render.count(), GetParam() == PreviewPanel::MiscArea ? 1 : 0);
}

TESSAREL_ALL_PANELS(PanelCommands);
