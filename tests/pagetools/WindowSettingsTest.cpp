#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>

#include "app/files/RecordBytes.h"
#include "ui/preview/GridBackgroundSelector.h"
#include "ui/preview/PanelColour.h"
#include "pagetools/PanelFixture.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

class WindowSettings : public PanelTest
{
protected:
    // The settings a window applies at load: its grid picture (work area, misc area), then the guide lines.
  void load(PreviewPanel &panel, GridBackgroundSelector *selector = nullptr)
  {
      if (selector)
          selector->applyStored();
      panel.applyGuideLineSetting();
    }

    static QByteArray guideRecord(const QByteArray &text) { return zeroRecords(10) + recordBytes(text); }
};

} // namespace

TEST_F(WindowSettings, FirstRunStartsWithNoPictureNoGuideLinesAndCreatesTheFile)
{
    QMenu options;
    GridBackgroundSelector selector(&options, DisplaySettings::WorkAreaGridPicture);
    QSignalSpy picture(&selector, &GridBackgroundSelector::pictureChanged);
    PreviewPanel panel(PreviewPanel::WorkArea);
    panel.fontDisplays[2]->setText(QStringLiteral(" Landscape"));
    panel.printPreview->document().setOrientation(1);

    load(panel, &selector);

    EXPECT_EQ(selector.gridMenu->title(), "&Grid Background Selector");
    ASSERT_EQ(selector.gridPictureItems.size(), 9);
    EXPECT_EQ(selector.gridPictureItems[0]->text(), "&None");
    EXPECT_EQ(selector.gridPictureItems[8]->text(), "&8");
    EXPECT_EQ(selector.gridPictureItems[4]->objectName(), "mOGrid1(4)");
    EXPECT_EQ(selector.checkedIndex(), 0);
    ASSERT_EQ(picture.count(), 1);
    EXPECT_TRUE(picture[0][0].value<QImage>().isNull());
    EXPECT_TRUE(panel.guideLineOptions[0]->isChecked());
    EXPECT_FALSE(panel.printPreview->guideLines());
    EXPECT_EQ(panel.fontDisplays[2]->text(), " Portrait");
    EXPECT_EQ(panel.printPreview->document().orientation(), 0);
    EXPECT_TRUE(folder.exists("GColor3.Fil"));
    EXPECT_TRUE(folder.read("GColor3.Fil").isEmpty());
}

TEST_F(WindowSettings, GuideLinesChosenInOneWindowStartTheOthersWithThem)
{
    PreviewPanel reader(PreviewPanel::Reader);
    load(reader);
    EXPECT_EQ(ProgramState::SharedAnswer, 0);
    reader.guideLineOptions[1]->click();
    EXPECT_TRUE(reader.printPreview->guideLines());
    EXPECT_EQ(folder.read("GColor3.Fil"), guideRecord("1"));

    for (PreviewPanel::Variant variant : {PreviewPanel::WorkArea, PreviewPanel::MiscArea}) {
        PreviewPanel other(variant);
        load(other);
        EXPECT_TRUE(other.guideLineOptions[1]->isChecked());
        EXPECT_TRUE(other.printPreview->guideLines());
    }
}

TEST_F(WindowSettings, LoadingTheStoredValueDoesNotWriteItBack)
{
    folder.write("GColor3.Fil", guideRecord(" 1"));
    PreviewPanel misc(PreviewPanel::MiscArea);
    load(misc);
    EXPECT_TRUE(misc.guideLineOptions[1]->isChecked());
    EXPECT_EQ(folder.read("GColor3.Fil"), guideRecord(" 1"));
    EXPECT_EQ(ProgramState::SharedAnswer, 0);

    // The work area's own load goes on past the marker.
    WorkAreaWindow work(nullptr);
    EXPECT_TRUE(work.previewPanel->guideLineOptions[1]->isChecked());
    EXPECT_EQ(folder.read("GColor3.Fil"), guideRecord(" 1"));
    EXPECT_NE(ProgramState::SharedAnswer, PreviewPanel::SettingsLoadMarker);

    // Once the marker is gone the user's click is stored.
    ProgramState::SharedAnswer = 7;
    misc.guideLineOptions[0]->click();
    EXPECT_EQ(folder.read("GColor3.Fil"), guideRecord("0"));
    EXPECT_FALSE(misc.printPreview->guideLines());
}

TEST_F(WindowSettings, AnUnreadableGuideLineValueMeansNoGuideLines)
{
    folder.write("GColor3.Fil", guideRecord("7"));
    PreviewPanel reader(PreviewPanel::Reader);
    load(reader);
    EXPECT_TRUE(reader.guideLineOptions[0]->isChecked());
    EXPECT_FALSE(reader.printPreview->guideLines());
    EXPECT_EQ(ProgramState::SharedAnswer, 0);
}

TEST_F(WindowSettings, GridPictureChoiceIsStoredInTheWindowsOwnRecord)
{
    ASSERT_TRUE(QImage(16, 16, QImage::Format_RGB32).save(folder.file("WP3.jpg"), "JPG"));
    QMenu workOptions;
    GridBackgroundSelector work(&workOptions, DisplaySettings::WorkAreaGridPicture);
    work.applyStored();
    QSignalSpy picture(&work, &GridBackgroundSelector::pictureChanged);

    work.gridPictureItems[3]->trigger();

    EXPECT_EQ(work.checkedIndex(), 3);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(work.gridPictureItems[i]->isChecked(), i == 3) << i;
    ASSERT_EQ(picture.count(), 1);
    EXPECT_FALSE(picture[0][0].value<QImage>().isNull());
    EXPECT_EQ(picture[0][1].toInt(), 3);
    EXPECT_EQ(folder.read("GColor3.Fil"), zeroRecords(1) + recordBytes("3"));

    // Picking the checked item again keeps its check mark.
    work.gridPictureItems[3]->trigger();
    EXPECT_EQ(work.checkedIndex(), 3);

    QMenu miscOptions;
    GridBackgroundSelector misc(&miscOptions, DisplaySettings::MiscGridPicture);
    misc.applyStored();
    EXPECT_EQ(misc.checkedIndex(), 0);

    QMenu nextOptions;
    GridBackgroundSelector next(&nextOptions, DisplaySettings::WorkAreaGridPicture);
    QSignalSpy nextPicture(&next, &GridBackgroundSelector::pictureChanged);
    next.applyStored();
    EXPECT_EQ(next.checkedIndex(), 3);
    ASSERT_EQ(nextPicture.count(), 1);
    EXPECT_FALSE(nextPicture[0][0].value<QImage>().isNull());
}

TEST_F(WindowSettings, MissingPictureOrNoneLeavesTheGridWithoutAPicture)
{
    QMenu options;
    GridBackgroundSelector misc(&options, DisplaySettings::MiscGridPicture);
    QSignalSpy picture(&misc, &GridBackgroundSelector::pictureChanged);
    misc.gridPictureItems[5]->trigger();
    EXPECT_EQ(misc.checkedIndex(), 5);
    EXPECT_TRUE(picture.last()[0].value<QImage>().isNull());
    EXPECT_EQ(folder.read("GColor3.Fil"), zeroRecords(3) + recordBytes("5"));

    misc.gridPictureItems[0]->trigger();
    EXPECT_EQ(misc.checkedIndex(), 0);
    EXPECT_EQ(picture.last()[1].toInt(), 0);
    EXPECT_EQ(folder.read("GColor3.Fil"), zeroRecords(3) + recordBytes("0"));
}

// A damaged record: a number beyond the eight pictures reads as none, and text after the number never
// becomes part of the picture's path (here it would lead to evil.jpg).
TEST_F(WindowSettings, DamagedPictureRecordShowsNoOtherFile)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("WP3"));
    ASSERT_TRUE(QImage(16, 16, QImage::Format_RGB32).save(folder.file("evil.jpg"), "JPG"));
    const struct {
        const char *stored;
        int checked;
    } rows[] = {{"12", 0}, {"-3", 0}, {"3/../evil", 3}};
    for (const auto &row : rows) {
        folder.write("GColor3.Fil", zeroRecords(1) + recordBytes(row.stored));
        QMenu options;
        GridBackgroundSelector work(&options, DisplaySettings::WorkAreaGridPicture);
        QSignalSpy picture(&work, &GridBackgroundSelector::pictureChanged);
        work.applyStored();
        EXPECT_EQ(work.checkedIndex(), row.checked) << row.stored;
        ASSERT_EQ(picture.count(), 1) << row.stored;
        EXPECT_TRUE(picture[0][0].value<QImage>().isNull()) << row.stored;
        EXPECT_EQ(picture[0][1].toInt(), row.checked) << row.stored;
    }
}

TEST_F(WindowSettings, PanelTakesItsBackColourFromTheReferenceControl)
{
    QWidget reference;
    QPalette palette = reference.palette();
    palette.setColor(reference.backgroundRole(), QColor(0xC0, 0xD0, 0xE0));
    reference.setPalette(palette);
    PreviewPanel panel(PreviewPanel::Reader);
    takeBackColour(panel, reference);
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0xC0, 0xD0, 0xE0));
    EXPECT_TRUE(panel.autoFillBackground());
}
