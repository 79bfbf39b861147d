#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

#include "core/references/ReferenceTable.h"
#include "core/rule/RuleData.h"

namespace {

// A regulation file as installed in the sources, read independently of the program's copy.
QHash<QString, QString> sharedLines(QStringList *order = nullptr, const char *edition = "2003")
{
    QFile file(QStringLiteral(TESSAREL_CONTENT_DIR "/sources/security-rule-%1.txt").arg(QLatin1String(edition)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QHash<QString, QString> lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(u'\t');
        lines.insert(line.left(tab), line.mid(tab + 1));
        if (order)
            order->append(line.left(tab));
    }
    return lines;
}

// Every regulation line of every built text, with the text it belongs to.
struct Use {
    int number;
    const char *text;
    ReferenceTable::Line line;
};
std::vector<Use> regulationUses()
{
    std::vector<Use> uses;
    auto collect = [&](int number, const char *text, const ReferenceTable::Source &source) {
        for (const ReferenceTable::Line &line : source.lines)
            if (line.kind == ReferenceTable::Line::Kind::Regulation)
                uses.push_back({number, text, line});
    };
    for (int n = 1; n <= 47; ++n) {
        collect(n, "rule text", ReferenceTable::ruleText(n));
        collect(n, "references", ReferenceTable::references(n));
        collect(n, "additional", ReferenceTable::additionalInformation(n).source);
    }
    return uses;
}

TEST(RuleData, HoldsEveryLineOfTheRegulationUnchangedAndInOrder)
{
    QStringList order;
    const QHash<QString, QString> shared = sharedLines(&order);
    ASSERT_EQ(shared.size(), 204);
    EXPECT_EQ(RuleData::citations(), order);
    for (auto it = shared.cbegin(); it != shared.cend(); ++it)
        EXPECT_EQ(RuleData::line(it.key()), it.value()) << it.key().toStdString();
    EXPECT_FALSE(RuleData::contains(QStringLiteral("164.308(a)(1)")));
    EXPECT_EQ(RuleData::line(QStringLiteral("164.308(a)(1)")), QString());
}

TEST(RuleData, HoldsTheAmendedEditionUnchangedAndKnowsWhatChanged)
{
    using RuleData::Change;
    using RuleData::Edition;
    QStringList order;
    const QHash<QString, QString> amended = sharedLines(&order, "amended");
    ASSERT_EQ(amended.size(), 191);
    EXPECT_EQ(RuleData::citations(Edition::Amended2013), order);
    for (auto it = amended.cbegin(); it != amended.cend(); ++it)
        EXPECT_EQ(RuleData::line(it.key(), Edition::Amended2013), it.value()) << it.key().toStdString();

    QHash<Change, int> counts;
    QStringList all = RuleData::citations();
    for (const QString &citation : order)
        if (!all.contains(citation))
            all.append(citation);
    for (const QString &citation : all)
        ++counts[RuleData::change(citation)];
    EXPECT_EQ(counts[Change::Unchanged], 152);
    EXPECT_EQ(counts[Change::Changed], 38);
    EXPECT_EQ(counts[Change::Added], 1);
    EXPECT_EQ(counts[Change::Removed], 14);
    EXPECT_EQ(RuleData::change(QStringLiteral("164.314(a)(2)(iii)")), Change::Added);
    EXPECT_EQ(RuleData::change(QStringLiteral("164.308(b)(4)")), Change::Removed);
    EXPECT_FALSE(RuleData::contains(QStringLiteral("164.308(b)(4)"), Edition::Amended2013));
}

TEST(RuleData, FixedLinesAreTheRegulationsOwnLines)
{
    const QHash<QString, QString> shared = sharedLines();
    const QString four(4, u' ');
    EXPECT_EQ(QString::fromUtf8(RuleData::S308), shared["164.308"]);
    EXPECT_EQ(QString::fromUtf8(RuleData::S310), shared["164.310"]);
    EXPECT_EQ(QString::fromUtf8(RuleData::S312), shared["164.312"]);
    EXPECT_EQ(QString::fromUtf8(RuleData::S316), shared["164.316"]);
    EXPECT_EQ(QString::fromUtf8(RuleData::O1), four + shared["164.308(a)"]);
    for (const char *intro : {"164.310/intro", "164.312/intro", "164.316/intro"})
        EXPECT_EQ(QString::fromUtf8(RuleData::O2), four + shared[QString::fromLatin1(intro)]) << intro;
    for (const char *specifications : {"164.308(a)(1)(ii)", "164.308(a)(3)(ii)", "164.308(a)(4)(ii)",
                                       "164.308(a)(7)(ii)"})
        EXPECT_EQ(QString::fromUtf8(RuleData::I1), four + shared[QString::fromLatin1(specifications)]);
    for (const char *specifications : {"164.310(a)(2)", "164.310(d)(2)", "164.312(a)(2)", "164.312(e)(2)",
                                       "164.316(b)(2)"})
        EXPECT_EQ(QString::fromUtf8(RuleData::I2), four + shared[QString::fromLatin1(specifications)]);
    EXPECT_TRUE(QString::fromUtf8(RuleData::S308).contains(QStringLiteral("308  Admin")))
        << "two blanks after the section number";
}

TEST(RuleData, EveryBlockNamedByTheTextsIsTheRegulationsLine)
{
    const QHash<QString, QString> shared = sharedLines();
    const std::vector<Use> uses = regulationUses();
    ASSERT_GT(uses.size(), 150u);
    for (const Use &use : uses) {
        const QString citation = QString::fromUtf8(use.line.text);
        const std::string where = std::to_string(use.number) + " " + use.text + " " + use.line.text;
        ASSERT_TRUE(shared.contains(citation)) << where;
        EXPECT_TRUE(RuleData::contains(citation)) << where;
        EXPECT_EQ(ReferenceTable::lineText(use.line), QString(use.line.indent, u' ') + shared[citation]) << where;
    }
}

TEST(RuleData, ParagraphsAreIndentedByFourBlanksExceptTheStoredVariants)
{
    const QHash<QString, int> ruleTextVariants{{"164.308(a)(5)(i)", 0}, {"164.308(a)(6)(i)", 0},
                                               {"164.314(b)(1)", 0}, {"164.308(a)(5)(ii)(A)", 3},
                                               {"164.314(a)(1)", 3}};
    const QHash<QString, int> referenceVariants{{"164.308(a)(4)(ii)(A)", 3}, {"164.308(a)(7)(ii)(C)", 3}};
    for (const Use &use : regulationUses()) {
        const QString citation = QString::fromUtf8(use.line.text);
        const QHash<QString, int> &variants =
            std::string(use.text) == "rule text" ? ruleTextVariants : referenceVariants;
        EXPECT_EQ(use.line.indent, variants.value(citation, 4)) << use.number << " " << use.text << " "
                                                                << use.line.text;
    }
}

} // namespace
