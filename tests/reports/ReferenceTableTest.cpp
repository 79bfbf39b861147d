#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include "core/references/ReferenceTable.h"
#include "core/catalogue/Catalogue.h"

using namespace ReferenceTable;

namespace {

TEST(ReferenceTable, ExplanationOnlyForTheAddressableItems)
{
    for (int n = 1; n <= 47; ++n) {
        const QString specification = QString::fromUtf8(Catalogue::item(n)->specification);
        EXPECT_EQ(additionalInformation(n).addressable, specification.endsWith(QStringLiteral("(A)"))) << n;
    }
    EXPECT_EQ(lineText(addressableExplanation().front()), "This Implementation Specification is Addressable.");
    EXPECT_EQ(addressableExplanation().size(), 9u);
}

TEST(ReferenceTable, ContentFilesAndTheItemsThatReadThem)
{
    QList<std::pair<int, const char *>> files{
        {1, "RefRA1.Dat"}, {2, "RefRM1.Dat"},  {3, "RefSC1.Dat"},   {8, "RefTM1.Dat"},   {10, "RefAA1.Dat"},
        {11, "RefAE1.Dat"}, {22, "RefEV1.Dat"}, {25, "RefFS1.Dat"},  {28, "RefWU1.Dat"},  {42, "RefEnc1.Dat"},
        {43, "OrgReq1.Dat"}, {44, "OrgRef2.Dat"}, {46, "PPReq1.Dat"}, {47, "PPReq1.Dat"}};
    QSet<int> fromFile;
    for (const auto &[number, name] : files) {
        ASSERT_TRUE(references(number).fromFile()) << number;
        EXPECT_STREQ(references(number).file, name);
        EXPECT_TRUE(references(number).lines.empty());
        fromFile.insert(number);
    }
    for (int n = 1; n <= 47; ++n) {
        if (!fromFile.contains(n)) {
            EXPECT_FALSE(references(n).fromFile()) << n;
            EXPECT_FALSE(references(n).lines.empty()) << n;
            EXPECT_STRNE(references(n).phrase, "") << n;
        }
        EXPECT_FALSE(ruleText(n).fromFile()) << n;
        EXPECT_EQ(additionalInformation(n).source.fromFile(), n == 46 || n == 47) << n;
    }
    EXPECT_STREQ(additionalInformation(46).source.file, "Addtl45.dat");
    // Every content file has its source, from which the build generates it.
    files.append({46, "Addtl45.dat"});
    for (const auto &[number, name] : files) {
        const QString stem = QString::fromLatin1(name).section(u'.', 0, 0);
        EXPECT_TRUE(QFile::exists(QStringLiteral(TESSAREL_CONTENT_DIR "/sources/references/") + stem +
                                  QStringLiteral(".txt")))
            << name;
    }
    EXPECT_STREQ(additionalInformation(47).source.file, "Addtl45.dat");
}

TEST(ReferenceTable, OverviewItemsHaveNoRuleTextAndNoPhrase)
{
    for (int n : {43, 46}) {
        EXPECT_TRUE(ruleText(n).lines.empty()) << n;
        EXPECT_STREQ(ruleText(n).phrase, "") << n;
    }
    EXPECT_STREQ(additionalInformation(43).source.phrase, "");
    ASSERT_EQ(additionalInformation(43).source.lines.size(), 1u);
    EXPECT_EQ(lineText(additionalInformation(43).source.lines[0]), "Not applicable at this time.");
    for (int n = 1; n <= 47; ++n)
        if (n != 43 && n != 46) {
            EXPECT_STRNE(ruleText(n).phrase, "") << n;
        }
}

TEST(ReferenceTable, PhrasesAreKeptExactlyAsStored)
{
    EXPECT_STREQ(additionalInformation(17).source.phrase, " backup");
    EXPECT_STREQ(additionalInformation(14).source.phrase, "monitoring Log-in");
    EXPECT_STREQ(ruleText(4).phrase, "Information System Activity Review");
    EXPECT_STREQ(references(7).phrase, "Workforce clearance procedure");
    EXPECT_STREQ(ruleText(7).phrase, "Workforce Clearance Procedure");
    EXPECT_STREQ(references(27).phrase, "Maintenance Records");
    EXPECT_STREQ(additionalInformation(35).source.phrase, "obtaining necessary ePHI during an emergency");
}

// Every phrase must be able to match in its own text, or highlighting it would do nothing.
TEST(ReferenceTable, EveryGuidancePhraseOccursInItsGuidance)
{
    for (int n = 1; n <= 45; ++n) {
        const Source &source = additionalInformation(n).source;
        QString guidance;
        for (const Line &line : source.lines)
            guidance += lineText(line) + u'\n';
        EXPECT_TRUE(guidance.contains(QString::fromUtf8(source.phrase), Qt::CaseInsensitive)) << n;
    }
}

// Preamble material is our summary: every such line says so, and none quotes anything.
TEST(ReferenceTable, PreambleMaterialIsIntroducedAsASummary)
{
    const QRegularExpression title(QStringLiteral("^[0-9A-Z]+\\. [A-Z][A-Za-z ]+ \\(§ 164\\.3[01][0-9][()a-z0-9]*\\)$"));
    const QRegularExpression summary(QStringLiteral("^(Proposal|Final rule|Comment|Response|Change note|Preamble|"
                                                    "Note) \\(summary\\): [A-Z]"));
    int titles = 0;
    for (int n = 1; n <= 47; ++n) {
        for (const Line &line : references(n).lines) {
            if (line.kind == Line::Kind::Regulation)
                continue;
            const QString text = lineText(line);
            if (text.isEmpty() || text.startsWith(u'§') || text.startsWith(QStringLiteral("    ")))
                continue;
            if (title.match(text).hasMatch()) {
                ++titles;
                continue;
            }
            EXPECT_TRUE(summary.match(text).hasMatch()) << n << ": " << text.toStdString();
            EXPECT_FALSE(text.contains(u'"')) << n;
        }
    }
    EXPECT_GT(titles, 20);
}

TEST(ReferenceTable, PreambleTitlesAreFollowedByABlankLine)
{
    const QString contingency = QStringLiteral("7. Contingency Plan (§ 164.308(a)(7)(i))");
    for (int n = 1; n <= 47; ++n) {
        const std::vector<Line> &lines = references(n).lines;
        for (size_t i = 0; i < lines.size(); ++i)
            if (lineText(lines[i]).contains(QStringLiteral(" (§ 164.")) && lines[i].kind == Line::Kind::Text &&
                !lineText(lines[i]).contains(QStringLiteral("(summary)"))) {
                EXPECT_TRUE(i + 1 < lines.size() && lineText(lines[i + 1]).isEmpty()) << n;
            }
    }
    EXPECT_EQ(lineText(references(17).lines.front()), contingency);
    EXPECT_EQ(lineText(references(21).lines.front()), contingency);
}

} // namespace
