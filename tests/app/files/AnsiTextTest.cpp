#include <gtest/gtest.h>

#include "core/files/AnsiText.h"

TEST(AnsiText, EncodesWindows1252AndReplacesWhatItCannotHold)
{
    const struct {
        const char *utf8;
        QByteArray expected;
    } rows[] = {
        {"Pending", "Pending"},
        {"Caf\u00e9 \u20ac5", "Caf\xe9 \x80"
                              "5"},
        {"\u201cquoted\u201d", "\x93quoted\x94"},
        {"\u4e2d", "?"},
        {"a\U0001F600b", "a?b"}, // one "?" for a character outside the basic plane
        {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(toAnsi(QString::fromUtf8(row.utf8)), row.expected) << row.utf8;
}

TEST(AnsiText, EveryByteReadsAndWritesBackUnchanged)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromAnsi(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(toAnsi(text), all);
}
