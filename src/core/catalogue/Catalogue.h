#pragma once

#include <QString>
#include <string_view>

// The fixed table of the Security Rule's safeguards: seven categories and 47 items.
namespace Catalogue {

constexpr int categoryCount = 7;
constexpr int itemCount = 47;
// The overview tab; categories 1..technicalCategory are the safeguards, whose items all have a specification.
constexpr int overviewCategory = 0;
constexpr int technicalCategory = 3;
// The sample category and the item number its reports use.
constexpr int sampleCategory = 6;
constexpr int sampleReportNumber = 15;

struct Category {
    const char *tabCaption;    // as stored
    const char *windowCaption; // the window caption while the category is selected
    const char *innerTabStrip; // "SSTab3".."SSTab7", or "" for the overview and the sample
    int itemCount;
    int offset; // -1 where the category has no numbered items
    const char *section;
};

struct Item {
    int number; // specification number 1..47
    int category;
    int tab; // inner tab index, 0-based
    const char *tabCaption;
    const char *standard;
    const char *section;
    const char *specification;
    const char *searchName;
    const char *overviewTitle; // non-null for the two overview items
    bool isOverview() const { return overviewTitle != nullptr; }
    // 'R' (required) or 'A' (addressable), as the item's stored text ends; 0 for the overview items.
    constexpr char requirement() const
    {
        const std::string_view text(specification);
        return text.size() >= 3 && text.ends_with(")") && text[text.size() - 3] == '(' ? text[text.size() - 2] : 0;
    }
};

// Category 0..6; anything else yields category 0.
const Category &category(int number);
bool hasItems(int category);
// Item by category 1..5 and inner tab index; by specification number 1..47. Null when there is none.
const Item *item(int category, int tab);
const Item *item(int number);
// The sample item shown in category 6.
const Item &sample();

// -1 when (category, tab) holds no numbered item.
qint16 specificationNumber(int category, int tab);
qint16 entryFileNumber(int category, int tab);
// Phrase the reference report highlights; empty for the overview items and for numbers out of range.
QString ruleSearchName(int number);

// The three item labels: " Standard: …", " Section: …", " Specification: …"; overview items show their title
// alone and two blank labels.
QString standardLabel(const Item &item);
QString sectionLabel(const Item &item);
QString specificationLabel(const Item &item);
// The item's name as shown, without its trailing "(R)" or "(A)": "Risk Analysis".
QString specificationName(const Item &item);

// A stored caption as shown on a label: "&&" becomes one "&".
QString displayed(const char *stored);
QString displayed(const QString &stored);

} // namespace Catalogue
