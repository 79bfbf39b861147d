#pragma once

#include <QString>

#include "core/files/SafeWrite.h"
#include "core/files/RecordFile.h"
#include "core/files/FileNames.h"

// The display settings file GColor3.Fil: small whole numbers kept as their decimal text in
// records 2, 4 and 11 of a record file. The other records are never touched.
class DisplaySettings
{
public:
    enum Record {
        WorkAreaGridPicture = 2, // 0 none, 1-8 picture WP<n>.jpg
        MiscGridPicture = 4,     // 0 none, 1-8 picture WP<n>.jpg
        GuideLines = 11,         // 0 do not display, 1 display
    };

    static constexpr auto DefaultFileName = FileNames::DisplaySettings;

    explicit DisplaySettings(const QString &path = QString::fromLatin1(DefaultFileName));

    // The record's stored text; creates the file, empty, when it is missing.
    QString text(Record record) const;
    // The record's numeric value: 0 for a record never written.
    int value(Record record) const { return numericValue(text(record)); }
    WriteResult setValue(Record record, int value) const;

    // Leading blanks, an optional sign and the digits that follow; anything else, or nothing, gives 0.
    static int numericValue(const QString &text);
    // The text stored for a number: 3 is "3".
    static QString numberText(int value);
    static constexpr int PictureCount = 8;
    // The picture a stored text chooses: its numeric value when that is 1 to 8, else 0 (no picture).
    static int pictureNumber(const QString &storedText);
    // "WP<n>.jpg" for pictures 1 to 8; empty for anything else.
    static QString pictureName(int number);

private:
    RecordFile m_file;
};
