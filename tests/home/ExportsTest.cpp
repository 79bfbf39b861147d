#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

#include "core/print/PreviewDocument.h"
#include "core/exports/Csv.h"
#include "core/exports/PreviewEditable.h"
#include "core/exports/ReportTables.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoPrint.h"
#include "core/reports/StatusReport.h"
#include "core/risk/RiskReport.h"
#include "support/OfficeConvert.h"
#include "support/TempFolder.h"

namespace {

StatusTable seededStatuses()
{
    StatusTable statuses;
    statuses[1] = QStringLiteral("Completed");
    statuses[24] = QStringLiteral("Working   ");
    statuses[44] = QStringLiteral("Review");
    statuses[47] = QStringLiteral("Pending");
    return statuses;
}

// Text of an HTML piece: tags dropped, the entities LibreOffice writes read, blanks simplified.
QString htmlText(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.remove(tag);
    html.replace(QStringLiteral("&sect;"), QStringLiteral("\u00a7")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

// The cells of each table LibreOffice wrote into its HTML, row by row.
QList<QList<QStringList>> htmlTables(const QString &html)
{
    static const QRegularExpression cellStart(QStringLiteral("<t[dh][ >]"));
    QList<QList<QStringList>> tables;
    for (const QString &table : html.split(QStringLiteral("<table")).mid(1)) {
        QList<QStringList> rows;
        for (const QString &row : table.left(table.indexOf(QStringLiteral("</table>"))).split(QStringLiteral("<tr")).mid(1)) {
            QStringList cells;
            for (const QString &cell : row.split(cellStart).mid(1))
                cells.append(htmlText(cell.mid(cell.indexOf(u'>') + 1)));
            rows.append(cells);
        }
        tables.append(rows);
    }
    return tables;
}

TEST(Exports, TheStatusReportAsOpenDocumentTextReadsInLibreOfficeWithItsFiveTables)
{
    TempFolder folder;
    const StatusTable statuses = seededStatuses();
    PreviewDocument document;
    StatusReport(document, statuses, Qt::black).build({true, false, false, false});
    ASSERT_TRUE(PreviewEditable::saveOdt(document, folder.file(QStringLiteral("Status.odt"))));
    const QString html =
        QString::fromUtf8(officeConvert(folder, QStringLiteral("Status.odt"), QStringLiteral("html")));
    ASSERT_FALSE(html.isEmpty()) << "LibreOffice did not convert the file";
    const QList<QList<QStringList>> tables = htmlTables(html);
    ASSERT_EQ(tables.size(), 5);
    struct Expected
    {
        const char *heading;
        int rows; // with the header row
        QStringList someRow;
    };
    const Expected expected[] = {
        {"ADMINISTRATIVE SAFEGUARDS §164.308",
         24,
         {"Security Management Process", "164.308(a)(1)", "Risk Analysis", "R", "Completed"}},
        {"PHYSICAL SAFEGUARDS §164.310",
         11,
         {"Facility Access Control", "164.310(a)(1)", "Contingency Operation", "A", "Working"}},
        {"TECHNICAL SAFEGUARDS §164.312", 10, {"", "", "Encryption and Decryption", "A", ""}},
        {"ORGANIZATIONAL REQUIREMENTS §164.314",
         4,
         {"Business associate contracts or other arrangements", "164.314(a)(1)",
          "Business associate contracts or other ...", "R", "Review"}},
        {"POLICIES AND PROCEDURES AND DOCUMENTATION REQUIREMENTS §164.316",
         3,
         {"Documentation", "164.316", "", "R", "Pending"}},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(expected[i].heading);
        EXPECT_TRUE(htmlText(html).contains(QString::fromUtf8(expected[i].heading)));
        EXPECT_EQ(tables[i].size(), expected[i].rows);
        EXPECT_EQ(tables[i][0], (QStringList{"Standards", "Section", "Implementation Specification", "R/A",
                                             "Current Status"}));
        EXPECT_TRUE(tables[i].contains(expected[i].someRow)) << expected[i].someRow.join(u'|').toStdString();
    }
}

TEST(Exports, CsvQuotesWhatMustBeQuotedBehindAByteOrderMark)
{
    struct Case
    {
        QList<QStringList> rows;
        QByteArray bytes; // after the mark
    };
    const Case cases[] = {
        {{{"a", "b"}}, "a,b\r\n"},
        {{{"x,y", ""}}, "\"x,y\",\r\n"},
        {{{"say \"hi\""}}, "\"say \"\"hi\"\"\"\r\n"},
        {{{"two\r\nlines", "§164.308"}},
         "\"two\r\nlines\",\xC2\xA7"
         "164.308\r\n"},
        {{{"one"}, {"", ""}}, "one\r\n,\r\n"},
        // What a spreadsheet would run as a formula stands behind an apostrophe, and reads back as typed.
        {{{"=HYPERLINK(\"x\")", "-3 days", "@once", "'quoted"}},
         "\"'=HYPERLINK(\"\"x\"\")\",'-3 days,'@once,''quoted\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const QByteArray encoded = Csv::encode(c.rows);
        EXPECT_EQ(encoded, "\xEF\xBB\xBF" + c.bytes);
        const Result<QList<QStringList>> decoded = Csv::decode(encoded);
        ASSERT_TRUE(decoded) << decoded.error().toStdString();
        EXPECT_EQ(decoded.value(), c.rows);
    }
    for (const char *broken : {"\"open,field\r\n", "\"closed\"after\r\n"})
        EXPECT_FALSE(Csv::decode(broken)) << broken;
}

TEST(Exports, TheStatusSheetAndTheToDoSheetAreSavedAndReadBackEqual)
{
    TempFolder folder;
    const QList<QStringList> statusSheet = ReportTables::statusSheet(seededStatuses());
    ASSERT_EQ(statusSheet.size(), 1 + 23 + 10 + 9 + 3 + 2);
    EXPECT_EQ(statusSheet[1],
              (QStringList{"ADMINISTRATIVE SAFEGUARDS §164.308", "Security Management Process",
                           "164.308(a)(1)", "Risk Analysis", "R", "Completed"}));
    TodoGrid grid;
    grid.setCell(3, 1, QStringLiteral("Sign \"BA\" contracts, all of them"));
    grid.setCell(3, 2, TodoDate::cellText(QDate(2026, 12, 9)));
    grid.setCell(3, 5, TodoDate::cellText(QDate(2027, 6, 1)));
    PreviewDocument printed;
    TodoPrint::layout(printed, grid, {}, {}, QDate(2026, 12, 8));
    const QList<QStringList> expectedTodo{
        {"Item", "To Do Date", "Actual Date", "Next Review Date"},
        {"Sign \"BA\" contracts, all of them", "Wed - Dec 9, 26", "", "Tue - Jun 1, 27"}};
    EXPECT_EQ(PreviewEditable::sheet(printed), expectedTodo);

    for (const auto &[name, sheet] : {std::pair{QStringLiteral("status.csv"), statusSheet},
                                      std::pair{QStringLiteral("todo.csv"), expectedTodo}}) {
        ASSERT_TRUE(Csv::save(folder.file(name), sheet));
        const Result<QList<QStringList>> back = Csv::decode(folder.read(name));
        ASSERT_TRUE(back);
        EXPECT_EQ(back.value(), sheet);
        EXPECT_TRUE(folder.read(name).startsWith("\xEF\xBB\xBF"));
    }
    QDir(folder.path()).mkdir(QStringLiteral("taken.csv"));
    const Outcome refused = Csv::save(folder.file(QStringLiteral("taken.csv")), statusSheet);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error.startsWith(QStringLiteral("The table could not be saved as taken.csv: ")));
}

TEST(Exports, AnyReportIsEditableAsPrintedWithItsRichTextTablesKept)
{
    PreviewDocument document;
    document.startDoc();
    document.setFontBold(true);
    document.printLine(QStringLiteral("Heading"));
    document.setFontBold(false);
    const qreal y = document.currentY();
    document.setCurrentX(1440);
    document.printLine(QStringLiteral("left"));
    document.setCurrentY(y);
    document.setCurrentX(5000);
    document.printLine(QStringLiteral("right"));
    QTextDocument block;
    QTextCursor cursor(&block);
    QTextTable *table = cursor.insertTable(2, 2);
    table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("cell"));
    document.appendRichText(block);
    document.endDoc();

    const std::shared_ptr<const QTextDocument> editable = PreviewEditable::document(document);
    const QStringList lines = editable->toPlainText().split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "Heading");
    EXPECT_EQ(lines[1], "left\tright");
    EXPECT_EQ(editable->begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
    int tables = 0;
    for (QTextFrame *frame : editable->rootFrame()->childFrames())
        if (auto *kept = qobject_cast<QTextTable *>(frame)) {
            ++tables;
            EXPECT_EQ(kept->rows(), 2);
            EXPECT_EQ(kept->cellAt(1, 1).firstCursorPosition().block().text(), "cell");
        }
    EXPECT_EQ(tables, 1);
}

TEST(Exports, AReportsPicturesAndColumnWidthsReachTheWordProcessor)
{
    TempFolder folder;
    QList<Risk> risks;
    for (int n = 1; n <= 3; ++n) {
        Risk risk;
        risk.id = n;
        risk.asset = QStringLiteral("Laptops");
        risk.threat = QStringLiteral("Theft");
        risk.vulnerability = QStringLiteral("Disks are not encrypted, and the keys are on the desk");
        risk.rating = {QDate(2026, 12, 1), n, n + 2};
        risks.append(risk);
    }
    PreviewDocument document;
    RiskReport::render(document, risks, QDate(2026, 12, 9));
    ASSERT_TRUE(PreviewEditable::saveOdt(document, folder.file(QStringLiteral("Risks.odt"))));
    const QString flat =
        QString::fromUtf8(officeConvert(folder, QStringLiteral("Risks.odt"), QStringLiteral("fodt")));
    ASSERT_FALSE(flat.isEmpty()) << "LibreOffice did not convert the file";
    EXPECT_TRUE(flat.contains(QStringLiteral("<draw:image"))) << "the heat map is missing";
    static const QRegularExpression width(QStringLiteral("style:rel-column-width=\"(\\d+)\\*\""));
    QSet<QString> widths;
    for (auto it = width.globalMatch(flat); it.hasNext();)
        widths.insert(it.next().captured(1));
    EXPECT_GT(widths.size(), 3) << "the columns came out equally wide";
}

} // namespace
