// The same document always writes the same bytes: written twice, read and written again, and in other
// processes, whose hashes are seeded otherwise.
#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"
#include "support/TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace RtfTest;

namespace {

// What rtf_rewrite wrote of `in`, run with the hash seed `seed` (none: a random one).
QByteArray rewrittenElsewhere(const TempFolder &folder, const QString &in, const QString &seed)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_HASH_SEED"));
    if (!seed.isEmpty())
        environment.insert(QStringLiteral("QT_HASH_SEED"), seed);
    QProcess child;
    child.setProcessEnvironment(environment);
    const QString out = folder.file("out" + seed + ".rtf");
    child.start(QStringLiteral(TESSAREL_RTF_REWRITE), {folder.file(in), out});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return "rtf_rewrite failed: " + child.readAllStandardError();
    return folder.read("out" + seed + ".rtf");
}

// Lists of two levels where the levels in between go unused, a numbered list from 3 and a table.
const QByteArray SparseLevels =
    "{\\rtf1\\ansi{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}"
    "{\\listlevel\\levelnfc23{\\leveltext\\'01\\u9702 ?;}}{\\listlevel\\levelnfc23{\\leveltext\\'01\\u9642 ?;}}"
    "{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}\\listid1}"
    "{\\list{\\listlevel\\levelnfc0\\levelstartat3{\\leveltext\\'02\\'00.;}}"
    "{\\listlevel\\levelnfc4\\levelstartat2{\\leveltext\\'02\\'01);}}\\listid2}}"
    "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}{\\listoverride\\listid2\\ls2}}"
    "\\pard\\ls1\\ilvl0 Policies\\par\\pard\\ls1\\ilvl3 Access control\\par\\pard\\ls1\\ilvl0 Procedures\\par"
    "\\pard\\ls2\\ilvl0 Assign\\par\\pard\\ls2\\ilvl1 Train\\par\\pard\\ls2\\ilvl0 Audit\\par"
    "\\trowd\\cellx2000\\cellx4000\\pard\\intbl a\\cell b\\cell\\row\\pard end\\par}";

struct SameBytesCase {
    std::string name;
    QByteArray rtf;
};

class RtfSameBytes : public testing::TestWithParam<SameBytesCase>
{
};

TEST_P(RtfSameBytes, ADocumentAlwaysWritesTheSameBytes)
{
    const SameBytesCase &c = GetParam();
    ASSERT_FALSE(c.rtf.isEmpty());
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(c.rtf, document).ok);
    const QByteArray once = Rtf::write(document);
    EXPECT_EQ(Rtf::write(document), once);

    QTextDocument saved;
    ASSERT_TRUE(Rtf::read(once, saved).ok);
    EXPECT_EQ(Rtf::write(saved), once) << "a saved entry saved again";

    TempFolder folder;
    folder.write("entry.rtf", c.rtf);
    for (const QString seed : {"", "0"}) {
        SCOPED_TRACE(("seed " + seed).toStdString());
        EXPECT_EQ(rewrittenElsewhere(folder, "entry.rtf", seed), once);
    }
}

INSTANTIATE_TEST_SUITE_P(Rtf, RtfSameBytes,
                         testing::Values(SameBytesCase{"SparseLevels", SparseLevels},
                                         SameBytesCase{"WordStyle", readFixture("constructs-source.rtf")},
                                         SameBytesCase{"LibreOffice", readFixture("libreoffice-formatted.rtf")},
                                         SameBytesCase{"Pandoc", readFixture("pandoc-formatted.rtf")}),
                         CaseName());

} // namespace
