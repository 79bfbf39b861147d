// What the writer writes, read by pandoc (converted to its JSON), shows the same tables and lists.
#include "RtfStructureSupport.h"
#include "RtfTestSupport.h"
#include "core/rtf/Rtf.h"
#include "core/rtf/RtfLists.h"
#include "core/rtf/RtfWriterLists.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTextList>
#include <QTextTable>
#include <gtest/gtest.h>

using namespace RtfTest;

namespace {

// pandoc's reading of `rtf` as its JSON document, or an empty array when it did not convert.
QJsonArray pandocBlocks(const QByteArray &rtf)
{
    QProcess pandoc;
    pandoc.start(QStringLiteral("pandoc"), {"--from=rtf", "--to=json"});
    pandoc.write(rtf);
    pandoc.closeWriteChannel();
    if (!pandoc.waitForFinished(60000) || pandoc.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(pandoc.readAllStandardOutput()).object().value("blocks").toArray();
}

// The words of pandoc inlines or blocks, one space apart.
QString wordsOf(const QJsonValue &value)
{
    QStringList words;
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            words << wordsOf(item);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.value("t") == "Str")
            words << object.value("c").toString();
        else
            words << wordsOf(object.value("c"));
    }
    words.removeAll(QString());
    return words.join(' ');
}

// Lines a reader's tables and lists compare by: "table 6", "row a | b" (a cell's paragraphs apart by " / ",
// empty cells at a row's end left out: pandoc fills short rows), "item 1 ordered 3: text" (bullets have no
// number). Each table, nested ones too, counts once.
class PandocStructure
{
public:
    explicit PandocStructure(const QJsonArray &blocks) { walk(blocks, 0); }
    QStringList lines;
    int tables = 0;

private:
    void walk(const QJsonArray &blocks, int depth)
    {
        for (const QJsonValue &value : blocks) {
            const QJsonObject block = value.toObject();
            const QString type = block.value("t").toString();
            const QJsonValue content = block.value("c");
            if (type == "Table")
                table(content.toArray());
            else if (type == "BulletList")
                items(content.toArray(), depth, -1);
            else if (type == "OrderedList")
                items(content[1].toArray(), depth, content[0][0].toInt());
        }
    }

    void table(const QJsonArray &table)
    {
        ++tables;
        QJsonArray rows;
        for (const QJsonValue &body : table[4].toArray()) {
            for (const int part : {2, 3}) { // head rows, then body rows
                for (const QJsonValue &row : body[part].toArray())
                    rows.append(row);
            }
        }
        lines << QStringLiteral("table %1").arg(rows.size());
        for (const QJsonValue &row : std::as_const(rows)) {
            QStringList cells;
            for (const QJsonValue &cell : row[1].toArray()) {
                QStringList paragraphs;
                for (const QJsonValue &paragraph : cell[4].toArray()) {
                    if (paragraph["t"] == "Table")
                        ++tables;
                    paragraphs << wordsOf(paragraph);
                }
                paragraphs.removeAll(QString());
                cells << paragraphs.join(" / ");
            }
            while (!cells.isEmpty() && cells.last().isEmpty())
                cells.removeLast();
            lines << "row " + cells.join(" | ");
        }
    }

    void items(const QJsonArray &items, int depth, int start)
    {
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QJsonArray blocks = items[i].toArray();
            const QString number = start < 0 ? QStringLiteral("bullet") : QStringLiteral("ordered %1").arg(start + i);
            lines << QStringLiteral("item %1 %2: %3").arg(depth).arg(number, wordsOf(blocks.first()));
            walk(blocks, depth + 1);
        }
    }
};

QString cellWords(const QTextTableCell &cell)
{
    QStringList paragraphs;
    for (auto it = cell.begin(); !it.atEnd(); ++it)
        paragraphs << it.currentBlock().text().simplified();
    paragraphs.removeAll(QString());
    return paragraphs.join(" / ");
}

// The same lines for a document: a cell covered by the one above reads as empty, a cell spanning columns once.
QStringList documentStructure(const QTextDocument &document)
{
    QStringList lines;
    const QTextTable *current = nullptr;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto *table = qobject_cast<const QTextTable *>(document.frameAt(block.position()));
        if (table && table != current) {
            lines << QStringLiteral("table %1").arg(table->rows());
            for (int r = 0; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns();) {
                    const QTextTableCell cell = table->cellAt(r, c);
                    cells << (cell.row() == r ? cellWords(cell) : QString());
                    c = cell.column() + cell.columnSpan();
                }
                while (!cells.isEmpty() && cells.last().isEmpty())
                    cells.removeLast();
                lines << "row " + cells.join(" | ");
            }
        }
        current = table;
        if (const QTextList *list = block.textList(); list && !table) {
            const QTextListFormat::Style style = list->format().style();
            const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
                                style == QTextListFormat::ListSquare;
            lines << QStringLiteral("item %1 %2: %3")
                         .arg(Rtf::listLevel(list->format()))
                         .arg(bullet ? QStringLiteral("bullet") : QStringLiteral("ordered %1").arg(Rtf::listNumber(block)),
                              block.text().simplified());
        }
    }
    return lines;
}

// A six-row risk table with a title row across all columns, a rating over two rows and a cell of two
// paragraphs, then a bullet list of two levels and a numbered list from 3.
const QByteArray RiskTable =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Liberation Serif;}}"
    "{\\*\\listtable{\\list{\\listlevel\\levelnfc23\\levelstartat1{\\leveltext\\'01\\u8226 ?;}}"
    "{\\listlevel\\levelnfc23\\levelstartat1{\\leveltext\\'01\\u9702 ?;}}\\listid7}"
    "{\\list{\\listlevel\\levelnfc0\\levelstartat3{\\leveltext\\'02\\'00.;}}\\listid8}}"
    "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}{\\listoverride\\listid8\\ls2}}"
    "\\trowd\\clmgf\\cellx2000\\clmrg\\cellx4000\\clmrg\\cellx6000"
    "\\pard\\intbl\\qc\\b Risk register\\cell\\cell\\cell\\row"
    "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl\\b Threat\\cell Likelihood\\cell Rating\\cell\\row"
    "\\trowd\\cellx2000\\cellx4000\\clvmgf\\cellx6000\\pard\\intbl\\b0 Lost laptop\\cell High\\cell Severe\\cell\\row"
    "\\trowd\\cellx2000\\cellx4000\\clvmrg\\cellx6000\\pard\\intbl Stolen backup\\cell Medium\\cell\\cell\\row"
    "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl Flood\\cell Low\\par Reviewed yearly\\cell Minor\\cell\\row"
    "\\trowd\\clmgf\\cellx2000\\clmrg\\cellx4000\\cellx6000\\pard\\intbl Phishing\\cell\\cell Moderate\\cell\\row"
    "\\pard After the table.\\par"
    "\\pard\\ls1\\ilvl0 Encrypt laptops at \\u937?mega\\u8217?s\\par\\pard\\ls1\\ilvl1 Full disk\\par\\pard\\ls1\\ilvl1 {\\i Removable} media\\par"
    "\\pard\\ls2\\ilvl0 Assign a security official\\par\\pard\\ls2\\ilvl0 {\\b Train} the workforce\\par"
    "\\pard Last paragraph.\\par}";

struct PandocCase {
    std::string name;
    QByteArray rtf;
    int tables;
};

class RtfPandoc : public testing::TestWithParam<PandocCase>
{
};

TEST_P(RtfPandoc, ReadsTheTablesAndListsTheWriterWrote)
{
    const PandocCase &c = GetParam();
    ASSERT_FALSE(c.rtf.isEmpty());
    QTextDocument document;
    ASSERT_TRUE(Rtf::read(c.rtf, document).ok);
    const QStringList expected = documentStructure(document);
    ASSERT_EQ(expected.filter(QRegularExpression("^table ")).size(), c.tables);

    const QJsonArray blocks = pandocBlocks(Rtf::write(document));
    ASSERT_FALSE(blocks.isEmpty()) << "pandoc did not convert the file";
    const PandocStructure read(blocks);
    EXPECT_EQ(read.tables, c.tables) << "no table inside another";
    EXPECT_EQ(joined(read.lines), joined(expected));
}

INSTANTIATE_TEST_SUITE_P(Rtf, RtfPandoc,
                         testing::Values(PandocCase{"RiskTable", RiskTable, 1},
                                         PandocCase{"WordStyle", readFixture("constructs-source.rtf"), 1},
                                         PandocCase{"LibreOffice", readFixture("libreoffice-constructs.rtf"), 1},
                                         PandocCase{"Pandoc", readFixture("pandoc-constructs.rtf"), 1}),
                         CaseName());

} // namespace
