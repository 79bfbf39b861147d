#include <gtest/gtest.h>

#include "core/spelling/Thesaurus.h"

namespace {

TEST(Thesaurus, FindsMeaningsWithTheirSynonymsWithoutRemarks)
{
    Thesaurus thesaurus;
    ASSERT_TRUE(thesaurus.isAvailable());
    const QList<ThesaurusMeaning> meanings = thesaurus.lookup(QStringLiteral("policy"));
    ASSERT_EQ(meanings.size(), 3);
    EXPECT_EQ(meanings[1].synonyms, QStringList{QStringLiteral("plan of action")});
    EXPECT_TRUE(meanings[0].description.startsWith(QStringLiteral("(noun)")));
    EXPECT_FALSE(meanings[0].description.contains(QStringLiteral("generic")));
    EXPECT_EQ(thesaurus.lookup(QStringLiteral(" Policy")), meanings);
}

TEST(Thesaurus, UnknownWordsAndMissingDataGiveNothing)
{
    EXPECT_TRUE(Thesaurus().lookup(QStringLiteral("zorblat")).isEmpty());
    EXPECT_TRUE(Thesaurus().lookup(QString()).isEmpty());
    EXPECT_TRUE(Thesaurus().lookup(QString(300, QLatin1Char('a'))).isEmpty());
    Thesaurus missing(QStringLiteral("/nonexistent/th"));
    EXPECT_FALSE(missing.isAvailable());
    EXPECT_TRUE(missing.lookup(QStringLiteral("policy")).isEmpty());
}

} // namespace
