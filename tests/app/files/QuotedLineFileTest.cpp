#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "core/files/QuotedLineFile.h"
#include "support/TempFolder.h"

TEST(QuotedLineFile, ReadsQuotedAndUnquotedFields)
{
    const struct {
        QByteArray bytes;
        QStringList fields;
        bool dropped = false; // text after a closing quote was skipped
    } rows[] = {
        {"\"a\"\r\n\"b\"\r\n", {"a", "b"}},
        {"\"  inner  blanks \"\r\n", {"  inner  blanks "}},
        {"\"a, b\"\r\n", {"a, b"}},                             // a comma inside quotes belongs to the text
        {"a, b \r\n", {"a", "b"}},                              // unquoted: to the comma, trimmed
        {"   padded   \r\n", {"padded"}},
        {"\"a\",\"b\"\r\n", {"a", "b"}},
        {"  \"a\" tail,\"b\"\r\n", {"a", "b"}, true},           // text after the closing quote is skipped
        {"\"say \"hi\"\"\r\n", {"say "}, true},
        {"\"a\"  \t\r\n\"b\" ,\r\n", {"a", "b", ""}},              // blanks after it are not text
        {"\"\"\r\n\r\n\"x\"\r\n", {"", "", "x"}},                 // an empty string and a blank line
        {"\"a\"\n\"b\"\r\"c\"", {"a", "b", "c"}},                 // LF, CR, no line end at the end
        {"\"open\r\n\"next\"\r\n", {"open", "next"}},           // an unclosed quote ends at the line end
        {"\"caf\xe9\"\r\n", {QString::fromUtf8("caf\u00e9")}},
        {"", {}},
    };
    for (const auto &row : rows) {
        bool dropped = !row.dropped;
        EXPECT_EQ(QuotedLineFile::parse(row.bytes, &dropped), row.fields) << row.bytes.toStdString();
        EXPECT_EQ(dropped, row.dropped) << row.bytes.toStdString();
    }
}

TEST(QuotedLineFile, WritesOneQuotedLineAValueAndKeepsTheLinesWhole)
{
    const QStringList values{"", " a b ", QString::fromUtf8("\u20ac \u4e2d"), "say \"hi\"", "two\r\nlines"};
    const QByteArray bytes = QuotedLineFile::format(values);
    EXPECT_EQ(bytes, QByteArray("\"\"\r\n\" a b \"\r\n\"\x80 ?\"\r\n\"say 'hi'\"\r\n\"two  lines\"\r\n"));
    EXPECT_EQ(QuotedLineFile::parse(bytes).size(), values.size());
}

TEST(QuotedLineFile, KeepsTheOldFileOnceBeforeItIsFirstReplaced)
{
    TempFolder folder;
    folder.write("list.fil", "\"as it was\"\r\n\"more\"\r\n");
    QuotedLineFile file(folder.file("list.fil"));
    const QString note = file.keepBeforeNextWrite("holds too much");
    EXPECT_TRUE(note.contains("list.fil holds too much"));
    EXPECT_TRUE(note.contains("list.fil.bak"));
    EXPECT_FALSE(folder.exists("list.fil.bak")) << "nothing is copied before a write";

    ASSERT_TRUE(file.write({"new"}));
    EXPECT_EQ(folder.read("list.fil.bak"), QByteArray("\"as it was\"\r\n\"more\"\r\n"));
    EXPECT_EQ(folder.read("list.fil"), QByteArray("\"new\"\r\n"));
    ASSERT_TRUE(file.write({"newer"}));
    EXPECT_EQ(folder.read("list.fil.bak"), QByteArray("\"as it was\"\r\n\"more\"\r\n"));
}

TEST(QuotedLineFile, WritesNothingWhenTheCopyCannotBeKept)
{
    TempFolder folder;
    folder.write("list.fil", "\"as it was\"\r\n");
    QDir(folder.path()).mkdir("list.fil.bak");
    QuotedLineFile file(folder.file("list.fil"));
    file.keepBeforeNextWrite("holds too much");
    const WriteResult result = file.write({"new"});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("list.fil was not replaced"));
    EXPECT_EQ(folder.read("list.fil"), QByteArray("\"as it was\"\r\n"));
    EXPECT_TRUE(file.keepPending());
}

TEST(QuotedLineFile, AFileThatCannotBeReadIsPartialAndNeverReplaced)
{
    TempFolder folder;
    QDir(folder.path()).mkdir("list.fil"); // unreadable whatever the user's privileges
    QuotedLineFile file(folder.file("list.fil"));
    const LoadedFile<QStringList> loaded = file.load();
    EXPECT_TRUE(loaded.found);
    EXPECT_TRUE(loaded.partial);
    EXPECT_TRUE(loaded.note.contains("list.fil cannot be read"));
    const WriteResult result = file.write({"new"});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(QFileInfo(folder.file("list.fil")).isDir());
    EXPECT_FALSE(folder.exists("list.fil.bak"));
}

TEST(QuotedLineFile, TextAfterAClosingQuoteIsKeptAsideBeforeTheNextWrite)
{
    TempFolder folder;
    const QByteArray before = "\"call\" the vendor\r\n\"b\"\r\n";
    folder.write("list.fil", before);
    QuotedLineFile file(folder.file("list.fil"));
    const LoadedFile<QStringList> loaded = file.load();
    EXPECT_EQ(loaded.contents, QStringList({"call", "b"}));
    EXPECT_TRUE(loaded.partial);
    EXPECT_TRUE(loaded.note.contains("list.fil holds text after a closing quote"));
    EXPECT_TRUE(loaded.note.contains("list.fil.bak"));
    ASSERT_TRUE(file.write(loaded.contents));
    EXPECT_EQ(folder.read("list.fil.bak"), before);
    EXPECT_EQ(folder.read("list.fil"), QByteArray("\"call\"\r\n\"b\"\r\n"));
}
