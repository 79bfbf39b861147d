#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "RiskTestDatabase.h"
#include "core/exports/Csv.h"
#include "core/risk/CsvText.h"
#include "core/risk/RiskCsv.h"

namespace {

const QDate today(2026, 12, 8);

QByteArray heading() { return "\xEF\xBB\xBF" + RiskCsv::columns().join(u',').toUtf8() + "\r\n"; }

QByteArray fileWith(const QList<QByteArray> &rows)
{
    QByteArray bytes = heading();
    for (const QByteArray &row : rows)
        bytes += row + "\r\n";
    return bytes;
}

const QByteArray goodRow = "Laptops,Flood,Natural,Ground floor,1; 17,3,4,12,High,2026-01-05,,Reduce,Move up,Dana,,Open,";

} // namespace

TEST(RiskCsv, TwoThousandRisksGoThroughTheDatabaseAndBackByteForByte)
{
    QList<Risk> risks;
    for (int n = 0; n < 2000; ++n)
        risks << sampleRisk(n);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("risks.csv"));
    ASSERT_TRUE(RiskCsv::writeFile(path, risks));

    const Result<QList<Risk>> read = RiskCsv::readFile(path, today);
    ASSERT_TRUE(read) << read.error().toStdString();
    RiskTestDatabase file;
    const Outcome added = file.store().addAll(read.value());
    ASSERT_TRUE(added) << added.error.toStdString();
    const QList<Risk> stored = file.store().risks().value();
    ASSERT_EQ(stored.size(), 2000);

    QFile first(path);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray written = first.readAll();
    EXPECT_EQ(RiskCsv::write(stored), written);
    EXPECT_TRUE(written.contains("\"Line one, with \"\"quotes\"\"\nline two 5\""));
    EXPECT_TRUE(written.contains(",'=encrypt all laptops,")); // no formula for a spreadsheet
}

TEST(RiskCsv, AFileWithABadRowChangesNothingAndNamesTheLine)
{
    RiskTestDatabase file;
    ASSERT_TRUE(file.store().add(sampleRisk(3)));
    const QList<Risk> before = file.store().risks().value();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("import.csv"));
    QByteArray bytes = fileWith({goodRow, goodRow, "\"Laptops\nin the van\",Flood,Natural,,,3,4,,,,,Reduce,,,,Open,",
                                 "Laptops,Flood,Natural,,,7,4,,,,,Reduce,,,,Open,", goodRow});
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const Result<QList<Risk>> read = RiskCsv::readFile(path, today);
    ASSERT_FALSE(read);
    EXPECT_TRUE(read.error().contains(QDir::toNativeSeparators(path))) << read.error().toStdString();
    EXPECT_TRUE(read.error().contains(QStringLiteral("1 of its lines")));
    // The quoted line break makes the bad row start on line 6.
    EXPECT_TRUE(read.error().contains(QStringLiteral("Line 6: the likelihood \"7\" is not a number from 1 to 5.")))
        << read.error().toStdString();
    EXPECT_EQ(file.store().risks().value(), before);
}

struct BadRow {
    QByteArray row;
    const char *reason;
};

TEST(RiskCsv, EachBadFieldIsNamedWithItsReason)
{
    const BadRow cases[] = {
        {",Flood,Natural,,,3,4,,,,,Reduce,,,,Open,", "the asset is empty"},
        {"Laptops,,Natural,,,3,4,,,,,Reduce,,,,Open,", "the threat is empty"},
        {"Laptops,Flood,Technical,,,3,4,,,,,Reduce,,,,Open,", "the threat \"Flood\" belongs to the group Natural"},
        {"Laptops,Gremlins,Supernatural,,,3,4,,,,,Reduce,,,,Open,", "the threat group \"Supernatural\" is not one of"},
        {"Laptops,Flood,Natural,,1; 48,3,4,,,,,Reduce,,,,Open,", "the safeguard \"48\" is not a catalogue item number"},
        {"Laptops,Flood,Natural,,,three,4,,,,,Reduce,,,,Open,", "the likelihood \"three\" is not a number from 1 to 5"},
        {"Laptops,Flood,Natural,,,3,0,,,,,Reduce,,,,Open,", "the impact \"0\" is not a number from 1 to 5"},
        {"Laptops,Flood,Natural,,,3,4,11,,,,Reduce,,,,Open,", "the score 11 is not likelihood times impact (12)"},
        {"Laptops,Flood,Natural,,,3,4,,Low,,,Reduce,,,,Open,", "the level \"Low\" is not the level of score 12 (High)"},
        {"Laptops,Flood,Natural,,,3,4,,,2026-02-30,,Reduce,,,,Open,", "the rated on \"2026-02-30\" is not a date"},
        {"Laptops,Flood,Natural,,,3,4,,,,2025-01-01 3*4,Reduce,,,,Open,", "the earlier rating \"2025-01-01 3*4\""},
        {"Laptops,Flood,Natural,,,3,4,,,,,Ignore,,,,Open,", "the response \"Ignore\" is not one of"},
        {"Laptops,Flood,Natural,,,3,4,,,,,Reduce,,,8/12/2026,Open,", "the due date \"8/12/2026\" is not a date"},
        {"Laptops,Flood,Natural,,,3,4,,,,,Reduce,,,,Pending,", "the status \"Pending\" is not Open or Closed"},
        {"Laptops,Flood,Natural,,,3,4,,,,,Reduce,,,,Open,501", "the to-do row \"501\" is not a number from 0 to 500"},
        {"Laptops,Flood,Natural,,,3,4,,,,,Reduce,,,,Open", "it has 16 fields, not 17"},
        {"Laptops,Flood,Natural,\"never closed,3,4", "a quoted field starting here never ends"},
    };
    for (const BadRow &c : cases) {
        const RiskCsv::Parsed parsed = RiskCsv::parse(fileWith({goodRow, c.row}), today);
        EXPECT_TRUE(parsed.risks.isEmpty()) << c.reason;
        ASSERT_EQ(parsed.problems.size(), 1) << c.reason;
        EXPECT_EQ(parsed.problems.front().line, 3) << c.reason;
        EXPECT_TRUE(parsed.problems.front().reason.contains(QString::fromUtf8(c.reason)))
            << parsed.problems.front().reason.toStdString();
    }
}

TEST(RiskCsv, FilesThatAreNotARegisterAreRefusedAtTheirFirstLine)
{
    const QByteArray cases[] = {"", "Name,Phone\r\nDana,555\r\n", "\xFF\xFE" "A\0s\0", heading().mid(3, 40)};
    for (const QByteArray &bytes : cases) {
        const RiskCsv::Parsed parsed = RiskCsv::parse(bytes, today);
        ASSERT_FALSE(parsed.problems.isEmpty());
        EXPECT_EQ(parsed.problems.front().line, 1);
    }
}

TEST(RiskCsv, LenientWhereAUserTypesAndStrictWhereItMatters)
{
    const RiskCsv::Parsed parsed =
        RiskCsv::parse(fileWith({"Laptops,Flood,,,,2,2,,,,,transfer,,,,closed,", "", "E-mail,Phishing or social engineering,human DELIBERATE,,47;1;1,5,5,,,,,,,,,,"}), today);
    ASSERT_TRUE(parsed.problems.isEmpty()) << parsed.problems.front().reason.toStdString();
    ASSERT_EQ(parsed.risks.size(), 2);
    EXPECT_EQ(parsed.risks[0].threatGroup, QStringLiteral("Natural"));
    EXPECT_EQ(parsed.risks[0].response, RiskScale::Response::Transfer);
    EXPECT_FALSE(parsed.risks[0].open);
    EXPECT_EQ(parsed.risks[0].rating.ratedOn, today);
    EXPECT_EQ(parsed.risks[1].threatGroup, QStringLiteral("Human deliberate"));
    EXPECT_EQ(parsed.risks[1].safeguards, (QList<int>{1, 47}));
    EXPECT_TRUE(parsed.risks[1].open);
}

TEST(CsvText, FieldsSurviveQuotingAndLineBreaksCountLines)
{
    const QStringList fields{QStringLiteral("plain"), QStringLiteral("a,b"), QStringLiteral("say \"hi\""),
                             QStringLiteral("two\r\nlines"), QStringLiteral("@SUM(A1)"), QStringLiteral("'quoted"),
                             QString(), QStringLiteral("-5")};
    const QString text = Csv::line(fields) + Csv::line({QStringLiteral("next")});
    const CsvText::Parsed parsed = CsvText::parse(text);
    ASSERT_EQ(parsed.records.size(), 2);
    EXPECT_EQ(parsed.records[0].fields, fields);
    EXPECT_EQ(parsed.records[1].line, 3);
    EXPECT_EQ(CsvText::parse(QStringLiteral("a\n\n\"\"\n")).records.size(), 2); // a quoted empty field is a record
}
