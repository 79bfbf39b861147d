#include <QLocale>
#include <gtest/gtest.h>

#include "core/todo/TodoDate.h"

TEST(TodoDate, CellTextsAreEnglishWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct Case {
        QDate date;
        const char *text;
    };
    for (const Case &c : {Case{QDate(2026, 12, 7), "Mon - Dec 7, 26"}, Case{QDate(2027, 1, 1), "Fri - Jan 1, 27"},
                          Case{QDate(2005, 5, 29), "Sun - May 29, 05"}, Case{QDate(2000, 2, 29), "Tue - Feb 29, 00"}}) {
        EXPECT_EQ(TodoDate::cellText(c.date), QString::fromLatin1(c.text));
        EXPECT_EQ(TodoDate::fromCellText(QString::fromLatin1(c.text)), c.date) << c.text;
    }
    EXPECT_EQ(TodoDate::longText(QDate(2026, 12, 7)), "December 07, 2026");
    QLocale::setDefault(previous);
}

TEST(TodoDate, ReadsWhatFollowsTheFirstHyphen)
{
    struct Case {
        const char *text;
        QDate date;
    };
    for (const Case &c : {Case{"Xyz - dec 31, 99", QDate(2099, 12, 31)}, Case{"- September 3,07", QDate(2007, 9, 3)},
                          Case{"Mon - Feb 30, 26", QDate()}, Case{"Mon Dec 7, 26", QDate()},
                          Case{"Mon - Dec 7, 2026", QDate()}, Case{"Mon - Ju 7, 26", QDate()},
                          Case{"", QDate()}, Case{"call back - Mon - Dec 7, 26", QDate()}})
        EXPECT_EQ(TodoDate::fromCellText(QString::fromLatin1(c.text)), c.date) << c.text;
}
