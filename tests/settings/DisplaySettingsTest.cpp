#include <QDir>
#include <gtest/gtest.h>
#include <limits>

#include "app/files/RecordBytes.h"
#include "core/settings/DisplaySettings.h"
#include "support/TempFolder.h"

TEST(DisplaySettings, AFirstReadCreatesAnEmptyFileAndGivesTheDefaults)
{
    TempFolder folder;
    const DisplaySettings settings;
    EXPECT_EQ(settings.value(DisplaySettings::WorkAreaGridPicture), 0);
    EXPECT_TRUE(folder.exists("GColor3.Fil"));
    EXPECT_TRUE(folder.read("GColor3.Fil").isEmpty());
    EXPECT_EQ(settings.value(DisplaySettings::MiscGridPicture), 0);
    EXPECT_EQ(settings.value(DisplaySettings::GuideLines), 0);
}

TEST(DisplaySettings, RecordsTwoFourAndElevenRoundTripAndLeaveTheOthersAlone)
{
    TempFolder folder;
    const DisplaySettings settings;
    ASSERT_TRUE(settings.setValue(DisplaySettings::WorkAreaGridPicture, 3));
    EXPECT_EQ(folder.read("GColor3.Fil"), zeroRecords(1) + recordBytes("3"));

    ASSERT_TRUE(settings.setValue(DisplaySettings::GuideLines, 1));
    ASSERT_TRUE(settings.setValue(DisplaySettings::MiscGridPicture, 8));
    EXPECT_EQ(folder.read("GColor3.Fil"), zeroRecords(1) + recordBytes("3") + zeroRecords(1) + recordBytes("8") +
                                              zeroRecords(6) + recordBytes("1"));
    EXPECT_EQ(settings.value(DisplaySettings::WorkAreaGridPicture), 3);
    EXPECT_EQ(settings.value(DisplaySettings::MiscGridPicture), 8);
    EXPECT_EQ(settings.value(DisplaySettings::GuideLines), 1);

    ASSERT_TRUE(settings.setValue(DisplaySettings::WorkAreaGridPicture, 0));
    EXPECT_EQ(settings.text(DisplaySettings::WorkAreaGridPicture), "0");
    EXPECT_EQ(settings.value(DisplaySettings::MiscGridPicture), 8);
}

TEST(DisplaySettings, ReadsRecordsWrittenByHand)
{
    TempFolder folder;
    folder.write("GColor3.Fil", recordBytes("junk", 'x') + recordBytes(" 5", 'x') + recordBytes("7") +
                                    recordBytes("x2", 'x', 300));
    const DisplaySettings settings;
    EXPECT_EQ(settings.text(DisplaySettings::WorkAreaGridPicture), " 5");
    EXPECT_EQ(settings.value(DisplaySettings::WorkAreaGridPicture), 5);
    EXPECT_EQ(settings.value(DisplaySettings::MiscGridPicture), 0) << "a corrupt length reads as empty";
    EXPECT_EQ(settings.value(DisplaySettings::GuideLines), 0) << "beyond the end of the file";
}

TEST(DisplaySettings, NumericValueTakesTheLeadingNumber)
{
    const struct {
        const char *text;
        int value;
    } rows[] = {
        {"", 0},    {"3", 3},     {"  7", 7}, {"12abc", 12},  {"abc", 0},
        {"-1", -1}, {"+4", 4},    {"- 4", 0}, {"3.7", 3},     {"99999999999", std::numeric_limits<int>::max()},
    };
    for (const auto &row : rows)
        EXPECT_EQ(DisplaySettings::numericValue(row.text), row.value) << row.text;
    EXPECT_EQ(DisplaySettings::numberText(3), "3");
    EXPECT_EQ(DisplaySettings::numberText(-1), "-1");
}

// A damaged record never names another file: pictures 1 to 8 only, by number.
TEST(DisplaySettings, PictureRecordChoosesOneOfEightPicturesOrNone)
{
    const struct {
        const char *stored;
        int number;
    } rows[] = {
        {"3", 3}, {" 8 ", 8}, {"1", 1}, {"", 0}, {"0", 0}, {"9", 0}, {"-2", 0}, {"99999999999", 0},
        {"3/../../etc/passwd", 3}, {"../WP3", 0},
    };
    for (const auto &row : rows) {
        const int number = DisplaySettings::pictureNumber(row.stored);
        EXPECT_EQ(number, row.number) << row.stored;
        EXPECT_EQ(DisplaySettings::pictureName(number), row.number ? QStringLiteral("WP%1.jpg").arg(row.number) : QString())
            << row.stored;
    }
}

TEST(DisplaySettings, AFailedWriteIsReported)
{
    TempFolder folder;
    QDir(folder.path()).mkdir("GColor3.Fil");
    const WriteResult result = DisplaySettings().setValue(DisplaySettings::GuideLines, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("GColor3.Fil"));
}
