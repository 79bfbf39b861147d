#include <QSet>
#include <gtest/gtest.h>

#include "core/workbook/EntryFiles.h"

using namespace EntryFiles;

TEST(EntryFiles, NamesTheFileOfEachCategoryTabAndKind)
{
    const struct {
        Kind kind;
        int category;
        int tab;
        const char *name;
    } rows[] = {
        {Action, 1, 0, "Action0.Fil"},     {Comment, 1, 22, "Comment22.Fil"}, {Comment, 2, 0, "Comment23.Fil"},
        {Policy, 3, 8, "Policy41.Fil"},    {Action, 4, 0, "Action42.Fil"},    {Policy, 5, 1, "Policy46.Fil"},
        {Action, 6, 0, "SampleAct.Dat"},   {Comment, 6, 3, "SampleCom.Dat"},  {Policy, 6, 0, "SamplePol.Dat"},
        {Action, 0, 0, ""},                {Action, 1, 23, ""},               {Action, 5, 2, ""},
        {Action, 2, -1, ""},               {NoEntry, 1, 0, ""},               {NoEntry, 6, 0, ""},
        {Action, 7, 0, ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(fileName(row.kind, row.category, row.tab), row.name)
            << row.kind << " " << row.category << " " << row.tab;
}

TEST(EntryFiles, The141EntryFilesAreDistinctAndMayBeWritten)
{
    QSet<QString> names;
    for (const Kind kind : {Action, Comment, Policy})
        for (int n = 1; n <= 47; ++n) {
            const QString name = entryFileName(kind, n);
            EXPECT_TRUE(mayBeWritten(name)) << name.toStdString();
            EXPECT_FALSE(isSample(name)) << name.toStdString();
            names.insert(name);
        }
    EXPECT_EQ(names.size(), 141);
    EXPECT_EQ(entryFileName(Action, 0), "");
    EXPECT_EQ(entryFileName(Policy, 48), "");
}

TEST(EntryFiles, SamplesAndForeignNamesAreNeverWritten)
{
    for (const char *name : {"SampleAct.Dat", "SampleCom.Dat", "SamplePol.Dat", "sampleact.dat", "./SAMPLEPOL.DAT"}) {
        EXPECT_TRUE(isSample(name)) << name;
        EXPECT_FALSE(mayBeWritten(name)) << name;
    }
    for (const char *name : {"", " ", "Action47.Fil", "Action00.Fil", "Action-1.Fil", "action0.fil", "Stat1.Fil",
                             "Policy.Fil", "Comment1.Fil.bak"})
        EXPECT_FALSE(mayBeWritten(name)) << name;
    EXPECT_TRUE(mayBeWritten("/some/folder/Comment23.Fil"));
}
