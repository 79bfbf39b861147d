#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "backup/BackupFixtures.h"
#include "core/backup/BackupReader.h"
#include "support/TempFolder.h"

using namespace BackupFixtures;

namespace {

struct Hostile
{
    const char *label;
    QByteArray file;
    const char *reason; // part of the reason given
};

void PrintTo(const Hostile &hostile, std::ostream *out)
{
    *out << hostile.label;
}

const QByteArray statuses = sampleWorkbook()[0].second;
const QByteArray entry = sampleWorkbook()[2].second;

QByteArray listed(const Entries &files, Entries extra = {})
{
    extra.append({"manifest.json", manifestFor(files)});
    return zip(files + extra);
}

QByteArray withManifest(const Entries &files, QByteArray json)
{
    return zip(files + Entries{{"manifest.json", json}});
}

QByteArray foreignManifest()
{
    return QByteArray(manifestFor({{"Stat1.Fil", statuses}})).replace("\"Tessarel\"", "\"Other\"");
}

QByteArray newerFormat()
{
    return QByteArray(manifestFor({{"Stat1.Fil", statuses}})).replace("\"format\": 1", "\"format\": 2");
}

QByteArray hugeSize()
{
    return QByteArray(manifestFor({{"Stat1.Fil", statuses}})).replace("\"size\": 940", "\"size\": 1e300");
}

QByteArray wrongHash()
{
    QByteArray json = manifestFor({{"Stat1.Fil", statuses}});
    const qsizetype at = json.indexOf("\"sha256\": \"") + 11;
    json[at] = json[at] == 'a' ? 'b' : 'a';
    return json;
}

std::vector<Hostile> hostileFiles()
{
    const Entries one{{"Stat1.Fil", statuses}};
    Entries crowd;
    for (int i = 0; i < 150; ++i)
        crowd.append(qMakePair(QStringLiteral("Stat1.Fil"), QByteArray()));
    return {
        {"plain text", "Stat1.Fil is not here", "not a readable ZIP archive"},
        {"empty file", "", "not a readable ZIP archive"},
        {"parent folder", listed(one, {{"../x", "escape"}}), "\"../x\", which is not a workbook file"},
        {"absolute name", listed(one, {{"/etc/x", "escape"}}), "\"/etc/x\", which is not a workbook file"},
        {"file in a folder", listed(one, {{"sub/Action1.Fil", entry}}), "\"sub/Action1.Fil\""},
        {"folder entry", listed(one, {{"Action1.Fil/", ""}}), "\"Action1.Fil/\""},
        {"other letter case", listed(one, {{"action1.fil", entry}}), "\"action1.fil\""},
        {"backslash", listed(one, {{"..\\Stat1.Fil", statuses}}), "\"..\\Stat1.Fil\""},
        {"no manifest", zip(one), "no list of its files"},
        {"file not listed", listed(one, {{"Action1.Fil", entry}}), "does not name"},
        {"listed file missing", withManifest(one, manifestFor(one + Entries{{"Action1.Fil", entry}})),
         "lacks Action1.Fil"},
        {"file twice", zip(one + one + Entries{{"manifest.json", manifestFor(one)}}), "Stat1.Fil twice"},
        {"size beyond any number", withManifest(one, hugeSize()),
         "size it gives for Stat1.Fil is not allowed"},
        {"SHA-256 differs", withManifest(one, wrongHash()), "Stat1.Fil in it is damaged"},
        {"status file too large", listed({{"Stat1.Fil", QByteArray(64 * 1024 + 1, ' ')}}), "Stat1.Fil"},
        {"another program's", withManifest(one, foreignManifest()), "not a Tessarel workbook backup"},
        {"newer format", withManifest(one, newerFormat()), "format this version"},
        {"too many files", listed(one, crowd), "more files than a workbook has"},
        {"manifest not JSON", withManifest(one, "{files: ["), "not a Tessarel workbook backup"},
        {"no workbook file", listed({}), "it holds no workbook file"},
    };
}

class BackupRefusal : public ::testing::TestWithParam<Hostile>
{
};

} // namespace

TEST_P(BackupRefusal, IsRefusedWithItsReason)
{
    TempFolder folder;
    folder.write("hostile.zip", GetParam().file);
    BackupReader backup(folder.file("hostile.zip"));
    EXPECT_FALSE(backup.verify());
    EXPECT_TRUE(backup.error().contains(QString::fromUtf8(GetParam().reason)))
        << backup.error().toStdString();
    EXPECT_FALSE(backup.read("Stat1.Fil"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"hostile.zip"});
    EXPECT_FALSE(QFile::exists(folder.file("../x")));
}

INSTANTIATE_TEST_SUITE_P(Hostile, BackupRefusal, ::testing::ValuesIn(hostileFiles()),
                         [](const ::testing::TestParamInfo<Hostile> &test) {
                             QString name = QString::fromUtf8(test.param.label);
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QString());
                             return name.toStdString();
                         });
