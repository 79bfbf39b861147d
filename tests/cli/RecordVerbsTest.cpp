#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

#include "cli/ToolRun.h"
#include "core/files/FileNames.h"
#include "core/record/Decisions.h"
#include "core/record/EntryHistory.h"
#include "core/record/RecordDatabase.h"
#include "core/record/Reviews.h"
#include "core/record/StatusHistory.h"
#include "core/risk/RiskCsv.h"
#include "core/risk/RiskStore.h"

namespace {

const QDateTime firstSave(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
const QDate today = QDate::currentDate();
// Entry 1's review falls due in 10 days, entry 24's in a year.
const QDate reviewedSoonDue = today.addDays(10).addMonths(-12);

Risk makeRisk(const char *asset, const char *threat, const char *group, int likelihood, int impact, bool open)
{
    Risk risk;
    risk.asset = QString::fromUtf8(asset);
    risk.threat = QString::fromUtf8(threat);
    risk.threatGroup = QString::fromUtf8(group);
    risk.rating = {QDate(2026, 11, 2), likelihood, impact};
    risk.open = open;
    return risk;
}

// The sample workbook with a record: a decision, two reviews, two saves of an entry, a status change
// and two risks.
class RecordVerbs : public CommandLineTool
{
protected:
    void SetUp() override
    {
        CommandLineTool::SetUp();
        Result<RecordDatabase::Opened> opened = RecordDatabase::open(workbook.path(), RecordDatabase::Access::Write);
        ASSERT_TRUE(opened && opened->database) << opened.error().toStdString();
        RecordDatabase &db = *opened.value().database;
        ASSERT_TRUE(Decisions(db).record(6, {Decision::Alternative,
                                             QStringLiteral("Badge readers log every entry, \"always\""),
                                             QStringLiteral("Door log"), QStringLiteral("Ann Lee"),
                                             QDate(2026, 12, 1), firstSave}));
        ASSERT_TRUE(Reviews(db).recordReview(1, 3, reviewedSoonDue, QStringLiteral("Ann Lee"), firstSave));
        ASSERT_TRUE(Reviews(db).recordReview(24, 4, today, QStringLiteral("Bo Chan"), firstSave));
        EntryHistory history(db);
        ASSERT_TRUE(history.recordSave(1, 3, {}, {}, "{\\rtf1 Risk analysis begun.\\par}", QStringLiteral("Ann Lee"),
                                       firstSave));
        ASSERT_TRUE(history.recordSave(1, 3, "{\\rtf1 Risk analysis begun.\\par}", firstSave,
                                       "{\\rtf1 Risk analysis redone.\\par}", QStringLiteral("Bo Chan"),
                                       firstSave.addDays(2)));
        ASSERT_TRUE(StatusHistory(db).record(1, QString(), QStringLiteral("Working"), QStringLiteral("Ann Lee"),
                                             firstSave.addDays(1)));
        Risk theft = makeRisk("Laptops", "Theft of a device or paper records", "Human deliberate", 4, 4, true);
        theft.vulnerability = QStringLiteral("No disk encryption, no lock");
        theft.safeguards = {1, 17};
        theft.earlier = {{QDate(2026, 6, 1), 3, 3}};
        theft.measure = QStringLiteral("Encrypt every disk");
        theft.owner = QStringLiteral("Dana Whitfield");
        theft.due = QDate(2027, 1, 31);
        Risk flood = makeRisk("Backups", "Flood", "Natural", 1, 3, false);
        flood.response = RiskScale::Response::Accept;
        ASSERT_TRUE(RiskStore(db.connection()).addAll({theft, flood}));
    }

    QList<Risk> storedRisks() const
    {
        Result<RecordDatabase::Opened> opened = RecordDatabase::open(workbook.path(), RecordDatabase::Access::Read);
        EXPECT_TRUE(opened && opened->database);
        const Result<QList<Risk>> risks = RiskStore(opened.value().database->readConnection()).risks();
        EXPECT_TRUE(risks) << risks.error().toStdString();
        return risks ? *risks : QList<Risk>{};
    }
};

struct Listing
{
    const char *label;
    QStringList arguments; // run with --format csv and with --format json
    int exitCode;
    int rows;
    QStringList lines;  // CSV lines the output holds; REVIEWED, DUE, TODAY and NEXTYEAR stand for dates
    QStringList absent; // lines it must not hold
};

void PrintTo(const Listing &listing, std::ostream *out)
{
    *out << listing.label;
}

QString withDates(QString line)
{
    return line.replace(QStringLiteral("REVIEWED"), reviewedSoonDue.toString(Qt::ISODate))
        .replace(QStringLiteral("DUE"), reviewedSoonDue.addMonths(12).toString(Qt::ISODate))
        .replace(QStringLiteral("TODAY"), today.toString(Qt::ISODate))
        .replace(QStringLiteral("NEXTYEAR"), today.addMonths(12).toString(Qt::ISODate));
}

class RecordListing : public RecordVerbs, public ::testing::WithParamInterface<Listing>
{
};

TEST_P(RecordListing, ListsTheRecordAsCsvAndJson)
{
    const Listing &listing = GetParam();
    const ToolRun csv = runTool(on(listing.arguments + QStringList{QStringLiteral("--format"), QStringLiteral("csv")}));
    ASSERT_EQ(csv.exitCode, listing.exitCode) << csv.err.toStdString();
    QStringList lines = csv.out.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.takeLast(), QString());
    EXPECT_EQ(lines.size(), 1 + listing.rows) << csv.out.toStdString();
    for (const QString &line : listing.lines)
        EXPECT_TRUE(lines.contains(withDates(line))) << withDates(line).toStdString() << "\nin\n" << csv.out.toStdString();
    for (const QString &line : listing.absent)
        EXPECT_FALSE(lines.contains(withDates(line))) << line.toStdString();

    const ToolRun json = runTool(on(listing.arguments + QStringList{QStringLiteral("--format"), QStringLiteral("json")}));
    EXPECT_EQ(json.exitCode, listing.exitCode);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.bytes, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    EXPECT_EQ(document.array().size(), listing.rows);
}

const QString decided = QStringLiteral("164.308(a)(3),Authorization and/or Supervision (A),Equivalent alternative "
                                       "measure implemented,\"Badge readers log every entry, \"\"always\"\"\",Door "
                                       "log,Ann Lee,2026-12-01");
const QString undecided = QStringLiteral("164.308(a)(3),Workforce Clearance Procedure (A),Undecided,,,,");
const QString reviewDue =
    QStringLiteral("1,164.308(a)(1) Risk Analysis (R),Action Taken,REVIEWED,Ann Lee,12,DUE");
const QString reviewLater = QStringLiteral("24,164.310(a)(1) Contingency Operation (A),Comments/Notes,TODAY,Bo Chan,12,NEXTYEAR");
const QString theftLine = QStringLiteral("Laptops,Theft of a device or paper records,Human deliberate,\"No disk "
                                         "encryption, no lock\",1; 17,4,4,16,High,2026-11-02,2026-06-01 "
                                         "3x3,Reduce,Encrypt every disk,Dana Whitfield,2027-01-31,Open,");
const QString floodLine = QStringLiteral("Backups,Flood,Natural,,,1,3,3,Low,2026-11-02,,Accept,,,,Closed,");

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordListing,
    ::testing::Values(
        Listing{"decisions", {"decisions"}, 0, 22, {decided, undecided}, {}},
        Listing{"undecided", {"decisions", "--undecided"}, 0, 21, {undecided}, {decided}},
        Listing{"reviews", {"reviews"}, 0, 2, {reviewDue, reviewLater}, {}},
        Listing{"reviews due", {"reviews", "--due"}, 0, 1, {reviewDue}, {reviewLater}},
        Listing{"history",
                {"history", "1"},
                0,
                3,
                {QStringLiteral("Time,What,By,Size,SHA-256,Old status,New status"),
                 QStringLiteral("2026-12-01T08:00:00Z,Action Taken,Ann Lee,32,"
                                "d6c4da25602863ef0746afda82334b37f8ce0a48b4d482aa18e01463b4647fe4,,"),
                 QStringLiteral("2026-12-02T08:00:00Z,Status,Ann Lee,,,,Working"),
                 QStringLiteral("2026-12-03T08:00:00Z,Action Taken,Bo Chan,33,"
                                "b485af928299fd24bf5553c1a22d7face08009236317afb18292e831644fe1b2,,")},
                {}},
        Listing{"history without changes", {"history", "47"}, 0, 0, {}, {}},
        Listing{"risks", {"risks"}, 0, 2, {theftLine, floodLine}, {}},
        Listing{"high risks", {"risks", "--level", "high"}, 0, 1, {theftLine}, {floodLine}},
        Listing{"open risks", {"risks", "--open"}, 0, 1, {theftLine}, {floodLine}},
        Listing{"open low risks", {"risks", "--open", "--level", "Low"}, 0, 0, {}, {}},
        Listing{"search in an entry", {"search", "analysis", "done"}, 0, 1,
                {QStringLiteral("Your entries,Risk Analysis (R) (164.308(a)(1)): Action Taken,Risk analysis done “in full”.")},
                {}},
        Listing{"search in reasons", {"search", "BADGE readers log"}, 0, 1,
                {QStringLiteral("Addressable decisions,164.308(a)(3) Authorization and/or Supervision (A),\"Reasons: "
                                "Badge readers log every entry, \"\"always\"\"\"")},
                {}},
        Listing{"search in risks", {"search", "disk", "encryption"}, 0, 1,
                {QStringLiteral("Risk register,Laptops: Theft of a device or paper records (High),\"Vulnerability: No "
                                "disk encryption, no lock\"")},
                {}},
        Listing{"search for nothing there", {"search", "quokka"}, 1, 0, {QStringLiteral("Group,Title,Line")}, {}}),
    [](const auto &testInfo) {
        QString name = QString::fromLatin1(testInfo.param.label);
        name.replace(QLatin1Char(' '), QLatin1Char('_')).remove(QLatin1Char('-'));
        return name.toStdString();
    });

TEST_F(RecordVerbs, RisksAsCsvImportBackAsTheRegister)
{
    const ToolRun run = runTool(on({QStringLiteral("risks"), QStringLiteral("--format"), QStringLiteral("csv")}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.bytes.startsWith("\xEF\xBB\xBF" "Asset,Threat,"));
    elsewhere.write(QStringLiteral("risks.csv"), run.bytes);
    const Result<QList<Risk>> imported = RiskCsv::readFile(elsewhere.file(QStringLiteral("risks.csv")), today);
    ASSERT_TRUE(imported) << imported.error().toStdString();
    QList<Risk> stored = storedRisks();
    ASSERT_EQ(stored.size(), 2);
    for (Risk &risk : stored)
        risk.id = 0;
    EXPECT_EQ(*imported, stored);
}

TEST_F(RecordVerbs, SearchReachesTheRuleAndTheToDoList)
{
    const ToolRun rule = runTool(on({QStringLiteral("search"), QStringLiteral("\"Security incident procedures\""),
                                     QStringLiteral("--format=csv")}));
    ASSERT_EQ(rule.exitCode, 0) << rule.err.toStdString();
    EXPECT_FALSE(rule.err.contains(QStringLiteral("content folder"))) << rule.err.toStdString();
    EXPECT_TRUE(rule.out.contains(QStringLiteral("\r\nThe Security Rule (2003),"))) << rule.out.toStdString();

    const QByteArray emptyRow = QByteArray("\"\"\r\n").repeated(5);
    workbook.write(QString::fromLatin1(FileNames::TodoList),
                   "\"Call vendor\"\r\n\"Mon - Dec 7, 26\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n" + emptyRow.repeated(499));
    const ToolRun todo = runTool(on({QStringLiteral("search"), QStringLiteral("call"), QStringLiteral("vendor")}));
    ASSERT_EQ(todo.exitCode, 0) << todo.err.toStdString();
    EXPECT_EQ(todo.out, QStringLiteral("Group       Title  Line\nTo-do list  Row 1  Call vendor\n"));
}

// Every verb that reads the record, with what it says of a workbook without one.
const struct {
    QStringList arguments;
    int exitCode;
    int rows;
} recordVerbs[] = {
    {{"decisions", "--undecided"}, 0, 22}, {{"reviews"}, 0, 0}, {{"history", "1"}, 0, 0},
    {{"risks"}, 0, 0}, {{"search", "analysis", "done"}, 0, 1},
};

TEST_F(CommandLineTool, WorkbookWithoutRecordListsAnEmptyOneAndGetsNone)
{
    for (const auto &verb : recordVerbs) {
        SCOPED_TRACE(verb.arguments.join(u' ').toStdString());
        const ToolRun run = runTool(on(verb.arguments + QStringList{QStringLiteral("--format"), QStringLiteral("json")}));
        EXPECT_EQ(run.exitCode, verb.exitCode) << run.err.toStdString();
        EXPECT_EQ(QJsonDocument::fromJson(run.bytes).array().size(), verb.rows) << run.out.toStdString();
        EXPECT_FALSE(workbook.exists(QString::fromLatin1(RecordDatabase::FileName)));
    }
}

TEST_F(CommandLineTool, DamagedRecordIsReportedAndLeftAsItWas)
{
    const QByteArray damaged = QByteArray("SQLite format 3") + '\0' + QByteArray(4080, '\x5a');
    workbook.write(QString::fromLatin1(RecordDatabase::FileName), damaged);
    const QString path = QDir::toNativeSeparators(workbook.file(QString::fromLatin1(RecordDatabase::FileName)));
    for (const auto &verb : recordVerbs) {
        SCOPED_TRACE(verb.arguments.join(u' ').toStdString());
        const ToolRun run = runTool(on(verb.arguments));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(path)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_EQ(workbook.read(QString::fromLatin1(RecordDatabase::FileName)), damaged);
        EXPECT_EQ(QDir(workbook.path()).entryList({QStringLiteral("*.sqlite*")}, QDir::Files),
                  QStringList{QString::fromLatin1(RecordDatabase::FileName)});
    }
}

} // namespace
