#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"

using namespace Catalogue;

TEST(CatalogueNumbering, FirstAndLastItemOfEveryCategory)
{
    struct Row {
        int category, lastTab, first, last;
    };
    for (const Row &r : {Row{1, 22, 1, 23}, Row{2, 9, 24, 33}, Row{3, 8, 34, 42}, Row{4, 2, 43, 45},
                         Row{5, 1, 46, 47}}) {
        EXPECT_EQ(specificationNumber(r.category, 0), r.first) << r.category;
        EXPECT_EQ(specificationNumber(r.category, r.lastTab), r.last) << r.category;
        EXPECT_EQ(entryFileNumber(r.category, 0), r.first - 1) << r.category;
        EXPECT_EQ(entryFileNumber(r.category, r.lastTab), r.last - 1) << r.category;
        EXPECT_EQ(specificationNumber(r.category, r.lastTab + 1), -1) << "past the last tab of " << r.category;
        EXPECT_EQ(category(r.category).itemCount, r.lastTab + 1);
    }
}

TEST(CatalogueNumbering, EveryNumberLooksUpToItsOwnPlace)
{
    for (int n = 1; n <= itemCount; ++n) {
        const Item *byNumber = item(n);
        ASSERT_NE(byNumber, nullptr);
        EXPECT_EQ(byNumber->number, n);
        EXPECT_EQ(item(byNumber->category, byNumber->tab), byNumber);
        EXPECT_EQ(specificationNumber(byNumber->category, byNumber->tab), n);
    }
    EXPECT_EQ(item(0), nullptr);
    EXPECT_EQ(item(48), nullptr);
}

TEST(CatalogueNumbering, OverviewAndSampleCategoriesHaveNoNumberedItems)
{
    for (int c : {0, 6}) {
        EXPECT_FALSE(hasItems(c));
        EXPECT_EQ(item(c, 0), nullptr);
        EXPECT_EQ(specificationNumber(c, 0), -1);
        EXPECT_STREQ(category(c).innerTabStrip, "");
    }
    EXPECT_EQ(sample().number, sampleReportNumber);
    EXPECT_EQ(ruleSearchName(sample().number), "Password Management");
    EXPECT_STREQ(sample().standard, "Security Awareness and Training");
}

TEST(CatalogueLabels, OverviewItemsShowTheirTitleAlone)
{
    const Item &first = *item(43);
    EXPECT_EQ(standardLabel(first), "Organizational Requirements Overview");
    EXPECT_EQ(sectionLabel(first), "");
    EXPECT_EQ(specificationLabel(first), "");
    EXPECT_EQ(standardLabel(*item(46)), "Policies and Procedures and Documentation Requirements");
    EXPECT_EQ(ruleSearchName(43), "");
    EXPECT_EQ(ruleSearchName(46), "");
    EXPECT_EQ(entryFileNumber(5, 0), 45) << "overview items still have entry files";
}

TEST(CatalogueLabels, ShownTextsDifferFromStoredOnes)
{
    EXPECT_EQ(sectionLabel(*item(23)), " Section: 164.308(B)(1)");
    EXPECT_EQ(standardLabel(*item(23)), " Standard: Business Associate Contacts & Other Arrangements");
    EXPECT_EQ(displayed(item(26)->tabCaption), "Access Control & Validation  Procedures");
    EXPECT_EQ(displayed(item(20)->tabCaption), "Testing&Revision Procedure");
    EXPECT_EQ(specificationLabel(*item(47)), " Specification: (R)");
    EXPECT_EQ(standardLabel(*item(39)), " Standard: Ingerity");
}

TEST(CatalogueCaptions, LongCategoriesUseTheirFullWindowCaption)
{
    EXPECT_STREQ(category(2).windowCaption, "Office Action Area - Physical Safeguards");
    EXPECT_STREQ(category(4).tabCaption, "Organizational Require...");
    EXPECT_STREQ(category(4).windowCaption, "Office Action Area - Organizational Requirements");
    EXPECT_STREQ(category(5).tabCaption, "Policies and Proceedures ...");
    EXPECT_STREQ(category(5).windowCaption,
                 "Office Action Area - Policies and Procedures and Documentation Requirements");
}
