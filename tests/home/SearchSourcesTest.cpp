#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "core/files/ContentFolder.h"
#include "core/rtf/Rtf.h"
#include "core/search/SearchService.h"
#include "support/TempFolder.h"

namespace {

const QString program = QStringLiteral(TESSAREL_PROGRAM_FOLDER);

class SearchSourcesTest : public ::testing::Test
{
protected:
    SearchSourcesTest() : m_previous(ContentFolder::path()) { ContentFolder::setPath(program); }
    ~SearchSourcesTest() override { ContentFolder::setPath(m_previous); }

    void writeEntry(const QString &name, const QString &text)
    {
        QTextDocument document;
        document.setPlainText(text);
        folder.write(name, Rtf::write(document));
    }

    TempFolder folder;

private:
    QString m_previous;
};

TEST_F(SearchSourcesTest, TheBackgroundBuildReachesTheRuleTheItemTextsTheEntriesAndTheToDoList)
{
    writeEntry(QStringLiteral("Policy46.Fil"),
               QStringLiteral("Our retention schedule keeps records six years."));
    folder.write(QStringLiteral("TODOActv.FIL"), "\"Shred old tapes\"\r\n");
    SearchService service(WorkbookSearch::sources(program, folder.path()));
    service.startBuild();
    EXPECT_TRUE(service.isBuilding());
    service.waitForBuild();
    ASSERT_TRUE(service.isReady());
    const SearchIndex &index = *service.index();

    struct Case
    {
        const char *query;
        QStringList groups; // of every hit, in order, duplicates dropped
        Place::Kind kind;   // of the first hit
    };
    const Case cases[] = {
        {"business associate that is a subcontractor",
         {"The Security Rule as amended", "Rule text, references and guidance of the items"},
         Place::RulePage},
        {"background checks", {"Rule text, references and guidance of the items"}, Place::WorkItem},
        {"retention schedule", {"Your entries"}, Place::WorkItem},
        {"shred old tapes", {"To-do list"}, Place::TodoList},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.query);
        const SearchAnswer answer = index.find(QString::fromUtf8(c.query));
        ASSERT_GT(answer.total, 0);
        QStringList groups;
        for (const SearchHit &hit : answer.hits)
            if (!groups.contains(index.document(hit.document).group))
                groups.append(index.document(hit.document).group);
        EXPECT_EQ(groups, c.groups);
        const SearchDocument &first = index.document(answer.hits[0].document);
        EXPECT_EQ(first.place.kind, c.kind);
        EXPECT_EQ(first.text.mid(answer.hits[0].start, answer.hits[0].length).toLower(),
                  QString::fromUtf8(c.query));
    }
    const SearchAnswer rule = index.find(QStringLiteral("security incident procedures"));
    QStringList ruleGroups;
    for (const SearchHit &hit : rule.hits)
        ruleGroups.append(index.document(hit.document).group);
    EXPECT_TRUE(ruleGroups.contains(QStringLiteral("The Security Rule (2003)")));
    EXPECT_TRUE(ruleGroups.contains(QStringLiteral("The Security Rule as amended")));
}

TEST_F(SearchSourcesTest, EveryItemTextIsTitledByItsName)
{
    QStringList titles;
    for (const SearchDocument &document : WorkbookSearch::itemTexts())
        if (!titles.contains(document.title))
            titles.append(document.title);
    for (const QString &title : titles)
        EXPECT_TRUE(title.front().isLetter()) << title.toStdString();
    // An item named by its standard alone, and an overview without a section.
    EXPECT_TRUE(titles.contains(QStringLiteral("Documentation (R) (164.316): References in Rule")));
    EXPECT_TRUE(titles.contains(QStringLiteral("Organizational Requirements Overview: References in Rule")));
}

TEST_F(SearchSourcesTest, ChangesWhileTheBuildRunsAreAppliedOnceItIsDone)
{
    SearchService service(WorkbookSearch::sources(program, folder.path()));
    service.startBuild();
    writeEntry(QStringLiteral("Action3.Fil"), QStringLiteral("Log reviews happen weekly."));
    service.put(WorkbookSearch::entry(folder.path(), QStringLiteral("Action3.Fil")));
    service.replaceAll(QStringLiteral("todo row "), {SearchDocument{QStringLiteral("todo row 4"),
                                                                    QStringLiteral("To-do list"),
                                                                    QStringLiteral("Row 4"),
                                                                    {},
                                                                    QStringLiteral("Buy a safe")}});
    service.waitForBuild();
    EXPECT_EQ(service.index()->find(QStringLiteral("log reviews")).total, 1);
    EXPECT_EQ(service.index()->find(QStringLiteral("buy a safe")).total, 1);
}

TEST_F(SearchSourcesTest, AnEntryThatIsNotRtfOrIsHostileIsSkippedOrReadWithinBounds)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        bool indexed;
    };
    const Case cases[] = {
        {"Action0.Fil", QByteArray("plain words, not rich text"), false},
        {"Action1.Fil", QByteArray(200000, '{') + "deep words" + QByteArray(200000, '}'), false},
        {"Action2.Fil", "{\\rtf1 " + QByteArray(50000, '{') + "nested words" + QByteArray(50000, '}') + "}",
         true},
        {"Action4.Fil", QByteArray(), false},
    };
    for (const Case &c : cases)
        folder.write(QLatin1String(c.name), c.bytes);
    const QList<SearchDocument> docs = WorkbookSearch::entries(folder.path());
    QStringList keys;
    for (const SearchDocument &doc : docs)
        keys.append(QFileInfo(doc.key).fileName());
    EXPECT_EQ(keys, QStringList{QStringLiteral("Action2.Fil")});
}

} // namespace
