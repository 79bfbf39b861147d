#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <functional>

#include "ui/widgets/FontDialog.h"
#include "ui/widgets/QtDialogs.h"
#include "ui/preview/PreviewPanel.h"
#include "core/print/PrinterSettings.h"

namespace {

// Acts on the font dialog once it runs modally, as the user would.
void whenFontDialogOpens(std::function<void(FontDialog &)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto *dialog = qobject_cast<FontDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

QToolButton *swatch(FontDialog &dialog, const char *name)
{
    return dialog.findChild<QToolButton *>(QStringLiteral("Colour") + QLatin1String(name));
}

QFont preset()
{
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setItalic(true);
    font.setStrikeOut(true);
    return font;
}

} // namespace

TEST(FontDialog, PresetsEveryValueAndHonoursTheLimitedSizes)
{
    FontDialog dialog(preset(), QColor(0x80, 0, 0), FontDialog::PrinterFonts | FontDialog::Effects |
                                                        FontDialog::LimitSize);
    EXPECT_EQ(dialog.nameBox->currentText(), "Times New Roman") << "a name the system substitutes stays";
    EXPECT_EQ(dialog.sizeBox->value(), 12);
    EXPECT_FALSE(dialog.boldBox->isChecked());
    EXPECT_TRUE(dialog.italicBox->isChecked());
    EXPECT_FALSE(dialog.underlineBox->isChecked());
    EXPECT_TRUE(dialog.strikeBox->isChecked());
    EXPECT_TRUE(swatch(dialog, "Maroon")->isChecked());
    EXPECT_EQ(dialog.sizeBox->minimum(), FontDialog::MinLimitedSize);
    EXPECT_EQ(dialog.sizeBox->maximum(), FontDialog::MaxLimitedSize);
    dialog.sizeBox->setValue(300);
    EXPECT_EQ(dialog.selectedFont().pointSizeF(), FontDialog::MaxLimitedSize);
    EXPECT_EQ(dialog.selectedFont().family(), "Times New Roman");

    FontDialog plain(preset(), Qt::black, 0);
    EXPECT_GT(plain.sizeBox->maximum(), FontDialog::MaxLimitedSize);
    EXPECT_FALSE(plain.underlineBox->isVisibleTo(&plain)) << "no effects without their flag";
}

TEST(FontDialog, TheSeamReturnsTheChosenColourAndCancelChangesNothing)
{
    QtDialogs dialogs;
    QFont font = preset();
    QColor colour = Qt::black;
    whenFontDialogOpens([](FontDialog &d) {
        swatch(d, "Red")->click();
        d.boldBox->click();
        d.underlineBox->click();
        d.sizeBox->setValue(14);
        d.accept();
    });
    ASSERT_TRUE(dialogs.chooseFont(font, colour, 8450));
    EXPECT_EQ(colour, QColor(Qt::red));
    EXPECT_EQ(font.family(), "Times New Roman");
    EXPECT_EQ(font.pointSizeF(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());

    const QFont before = font;
    whenFontDialogOpens([](FontDialog &d) {
        swatch(d, "Blue")->click();
        d.italicBox->click();
        d.reject();
    });
    EXPECT_FALSE(dialogs.chooseFont(font, colour, 8450));
    EXPECT_EQ(font, before);
    EXPECT_EQ(colour, QColor(Qt::red));
}

TEST(FontDialog, PrinterFontTakesTheChosenColour)
{
    PrinterSettings::reset();
    PreviewPanel panel(PreviewPanel::WorkArea);
    whenFontDialogOpens([](FontDialog &d) {
        swatch(d, "Green")->click();
        d.accept();
    });
    panel.pageCommands[0]->click();
    EXPECT_EQ(PrinterSettings::Font.colour, QColor(0, 0x80, 0));
    EXPECT_EQ(panel.fontSample->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    PrinterSettings::reset();
}
