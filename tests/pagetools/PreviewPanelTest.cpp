#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include "pagetools/PanelFixture.h"

namespace {

template <typename T>
QString captionOf(const QWidget &panel, const char *name)
{
    const T *w = panel.findChild<const T *>(QString::fromLatin1(name));
    return w ? w->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

} // namespace

using PreviewPanelSuite = PanelTest;

TEST_P(PreviewPanelSuite, CarriesTheSharedControlsWithTheirCaptions)
{
    PreviewPanel panel(GetParam());
    EXPECT_TRUE(panel.isHidden());
    EXPECT_EQ(panel.objectName(), "SSPanel80");
    EXPECT_NE(panel.findChild<PrintPreview *>("VSP1"), nullptr);
    EXPECT_EQ(captionOf<QPushButton>(panel, "SSCommand1"), "Enlarge");
    const QStringList commands{"Printer &Font", "&Page Setup", "&Cancel", "C&opy Current Page", "&Print"};
    for (int i = 0; i < commands.size(); ++i)
        EXPECT_EQ(captionOf<QPushButton>(panel, qPrintable(QStringLiteral("SSCommand80(%1)").arg(i))), commands[i]);
    EXPECT_EQ(panel.findChild<QGroupBox *>("SSFrame80(0)")->title(), "Print Range");
    EXPECT_EQ(panel.findChild<QGroupBox *>("SSFrame80(1)")->title(), "Display Options");
    EXPECT_EQ(captionOf<QRadioButton>(panel, "SSOption82(0)"), "Do Not Display Guide Lines");
    EXPECT_EQ(captionOf<QRadioButton>(panel, "SSOption82(1)"), "Display Guide Lines");
    EXPECT_TRUE(panel.guideLineOptions[0]->isChecked());
    EXPECT_EQ(captionOf<QLabel>(panel, "Label80"), "Orientation:");
    EXPECT_EQ(captionOf<QLabel>(panel, "Panel3D80(0)"), " ");
    EXPECT_EQ(captionOf<QLabel>(panel, "Panel3D80(1)"), " ");
    EXPECT_EQ(captionOf<QLabel>(panel, "Panel3D80(2)"), " Portrait");
}

TEST_P(PreviewPanelSuite, DiffersByWindowInPrintRangeOptionsAndFontDisplay)
{
    PreviewPanel panel(GetParam());
    const auto labels = [&panel] {
        QStringList texts;
        for (const QLabel *l : panel.findChildren<QLabel *>())
            texts << l->text();
        return texts;
    }();
    switch (GetParam()) {
    case PreviewPanel::Reader:
        EXPECT_EQ(captionOf<QRadioButton>(panel, "SSOption81"), "All Data Will Be Displayed");
        EXPECT_EQ(panel.findChild<QGroupBox *>("SSFrame80(2)"), nullptr);
        EXPECT_TRUE(panel.findChildren<QCheckBox *>().isEmpty());
        EXPECT_FALSE(labels.contains("Printer Font:"));
        EXPECT_FALSE(labels.contains("AaBbYyZz"));
        break;
    case PreviewPanel::WorkArea:
        EXPECT_EQ(captionOf<QRadioButton>(panel, "SSOption81"), "All Data Will Be Displayed");
        EXPECT_EQ(panel.findChild<QGroupBox *>("SSFrame80(2)")->title(), "Print Options");
        EXPECT_EQ(captionOf<QCheckBox>(panel, "SSCheck80(0)"), "Implementation Specification");
        EXPECT_EQ(captionOf<QCheckBox>(panel, "SSCheck80(1)"), "References in Rule");
        EXPECT_EQ(captionOf<QCheckBox>(panel, "SSCheck80(2)"), "Actions Taken");
        EXPECT_EQ(captionOf<QCheckBox>(panel, "SSCheck80(3)"), "Comments/Notes");
        EXPECT_EQ(captionOf<QLabel>(panel, "Panel3D82"), "AaBbYyZz");
        EXPECT_TRUE(labels.contains("Printer Font:") && labels.contains("Font Size:"));
        break;
    case PreviewPanel::MiscArea:
        EXPECT_EQ(captionOf<QRadioButton>(panel, "SSOption81"), "Only Rows with a To Do Item");
        EXPECT_EQ(captionOf<QCheckBox>(panel, "SSCheck80"), "Print Grid Lines");
        EXPECT_EQ(captionOf<QCheckBox>(panel, "SSCheck81"), "Print 'As of' date on each page");
        EXPECT_EQ(captionOf<QLabel>(panel, "Panel3d82"), "AaBbYyZz");
        EXPECT_TRUE(labels.contains("Printer Font:") && labels.contains("Font Size:"));
        break;
    }
}

TEST_P(PreviewPanelSuite, EnlargeThenNormalRestoresTheGeometrySavedAtActivation)
{
    auto panel = makePanel(GetParam());
    PrintPreview &preview = *panel->printPreview;
    const QRect normal = preview.geometry();
    EXPECT_EQ(PrinterSettings::NormalPreviewWidth, normal.width() * 15);
    EXPECT_EQ(PrinterSettings::NormalPreviewLeft, normal.x() * 15);
    EXPECT_EQ(panel->enlargeButton->y(), 115 / 15);

    panel->enlargeButton->click();
    EXPECT_EQ(panel->enlargeButton->text(), "Normal");
    const int margin = GetParam() == PreviewPanel::MiscArea ? 60 : 115;
    EXPECT_EQ(preview.x(), margin / 15);
    EXPECT_EQ(preview.width(), (panel->width() * 15 - 2 * margin) / 15);
    EXPECT_EQ(preview.zoom(), PrintPreview::PageWidth);
    EXPECT_GT(preview.width(), normal.width());

    panel->enlargeButton->click();
    EXPECT_EQ(panel->enlargeButton->text(), "Enlarge");
    EXPECT_EQ(preview.geometry(), normal);
    EXPECT_EQ(preview.zoom(), PrintPreview::WholePage);
}

TEST_P(PreviewPanelSuite, ActivationWhileEnlargedKeepsTheNormalGeometry)
{
    auto panel = makePanel(GetParam());
    const QRect normal = panel->printPreview->geometry();
    panel->enlargeButton->click();
    // The window becomes active again, as after a message box over the enlarged preview.
    panel->saveNormalLayout();
    panel->enlargeButton->click();
    EXPECT_EQ(panel->printPreview->geometry(), normal);
}

TEST_P(PreviewPanelSuite, EscapeFirstRestoresTheEnlargedPreviewThenCloses)
{
    auto panel = makePanel(GetParam());
    QSignalSpy closed(panel.get(), &PreviewPanel::closed);
    panel->enlargeButton->click();

    EXPECT_TRUE(panel->handleEscape());
    EXPECT_EQ(panel->enlargeButton->text(), "Enlarge");
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(closed.count(), 0);

    EXPECT_TRUE(panel->handleEscape());
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(closed.count(), 1);

    EXPECT_FALSE(panel->handleEscape());
    EXPECT_EQ(closed.count(), 1);
}

TESSAREL_ALL_PANELS(PreviewPanelSuite);
