#include <QRegularExpression>
#include <gtest/gtest.h>

#include "core/print/PreviewDocument.h"
#include "components/preview/PreviewTestSupport.h"
#include "core/reports/StatusReport.h"
#include "support/TempFolder.h"

namespace {

using Options = StatusReport::Options;

const QString sectionSign = QStringLiteral("\u00a7");

struct Built
{
    PreviewDocument doc;
    StatusTable statuses;

    explicit Built(const Options &options, int orientation = 0, const StatusTable &table = {})
        : statuses(table)
    {
        doc.setOrientation(orientation);
        StatusReport(doc, statuses, Qt::black).build(options);
    }

    // Every text of every page with its page index.
    QList<std::pair<int, Preview::TextOp>> texts() const
    {
        QList<std::pair<int, Preview::TextOp>> all;
        for (int p = 0; p < doc.pageCount(); ++p)
            for (const Preview::TextOp &t : textOps(doc.page(p)))
                all.append({p, t});
        return all;
    }
    const Preview::TextOp *find(const QString &text) const
    {
        for (int p = 0; p < doc.pageCount(); ++p)
            for (const Preview::Op &op : doc.page(p).ops)
                if (const auto *t = std::get_if<Preview::TextOp>(&op); t && t->text == text)
                    return t;
        return nullptr;
    }
    int count(const QString &text) const
    {
        int n = 0;
        for (const auto &[page, t] : texts())
            n += t.text == text;
        return n;
    }
    // The y of every horizontal rule on page 0, top to bottom.
    QList<qreal> rules(int page = 0) const
    {
        QList<qreal> ys;
        for (const Preview::Op &op : doc.page(page).ops)
            if (const auto *l = std::get_if<Preview::LineOp>(&op); l && l->line.dy() == 0)
                ys.append(l->line.y1());
        std::sort(ys.begin(), ys.end());
        return ys;
    }
    QString pdf()
    {
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("status.pdf"));
        EXPECT_TRUE(doc.renderPdf(path));
        return pdfText(path);
    }
};

qreal centre(const Preview::TextOp &t)
{
    return t.box.left() + t.box.width() / 2;
}

} // namespace

TEST(StatusReport, OneCategoryGivesTitleTableAndLegend)
{
    Built report({false, false, true, false});
    const auto texts = report.texts();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts[0].second.text, "HIPAA Security Standards");
    EXPECT_EQ(texts[0].second.box.top(), report.doc.marginTop() + 700);
    EXPECT_EQ(texts[1].second.text, "PHYSICAL SAFEGUARDS " + sectionSign + "164.310");
    EXPECT_LT(texts[0].second.box.bottom(), texts[1].second.box.top());
    EXPECT_EQ(report.count(QStringLiteral("HIPAA Security Standards")), 1);
    EXPECT_EQ(texts.last().second.text, "      Legend:  R = Required    A = Addressable");

    const QString text = report.pdf();
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_LT(text.indexOf("HIPAA Security Standards"),
              text.indexOf("PHYSICAL SAFEGUARDS " + sectionSign + "164.310"));
    EXPECT_FALSE(text.contains("ADMINISTRATIVE"));
    EXPECT_FALSE(text.contains("TECHNICAL"));
    EXPECT_TRUE(text.contains("Facility Access Control"));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Legend: +R = Required +A = Addressable"))));
}

TEST(StatusReport, SecondTableSitsBelowTheFirstWithoutASecondTitle)
{
    Built report({false, true, false, true});
    EXPECT_EQ(report.count(QStringLiteral("HIPAA Security Standards")), 1);
    const Preview::TextOp *technical = report.find("TECHNICAL SAFEGUARDS " + sectionSign + "164.312");
    const Preview::TextOp *administrative =
        report.find("ADMINISTRATIVE SAFEGUARDS " + sectionSign + "164.308");
    ASSERT_TRUE(technical && administrative);
    EXPECT_FALSE(report.find("PHYSICAL SAFEGUARDS " + sectionSign + "164.310"));
    // The last rule above the technical heading is its box's top; the one before it the first table's bottom.
    QList<qreal> above;
    for (qreal y : report.rules())
        if (y < technical->box.top())
            above.append(y);
    ASSERT_GE(above.size(), 2);
    EXPECT_DOUBLE_EQ(above.last(), above[above.size() - 2] + 60);
    EXPECT_DOUBLE_EQ(technical->box.top(), above.last() + 30);
    const Preview::TextOp *legend =
        report.find(QStringLiteral("      Legend:  R = Required    A = Addressable"));
    ASSERT_TRUE(legend);
    EXPECT_DOUBLE_EQ(legend->box.top(), report.rules().last() + 100);
    EXPECT_DOUBLE_EQ(legend->box.left(), report.doc.marginLeft());

    const QString text = report.pdf();
    if (text.isNull())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_LT(text.indexOf("ADMINISTRATIVE SAFEGUARDS"), text.indexOf("TECHNICAL SAFEGUARDS"));
    EXPECT_LT(text.indexOf("TECHNICAL SAFEGUARDS"), text.indexOf("Legend:"));
}

TEST(StatusReport, AllSafeguardsAddTheRequirementBoxes)
{
    Built report({true, false, false, false});
    const QStringList headings{"ADMINISTRATIVE SAFEGUARDS " + sectionSign + "164.308",
                               "PHYSICAL SAFEGUARDS " + sectionSign + "164.310",
                               "TECHNICAL SAFEGUARDS " + sectionSign + "164.312",
                               "ORGANIZATIONAL REQUIREMENTS " + sectionSign + "164.314",
                               "POLICIES AND PROCEDURES AND DOCUMENTATION REQUIREMENTS " + sectionSign +
                                   "164.316",
                               QStringLiteral("      Legend:  R = Required    A = Addressable")};
    QStringList found;
    for (const auto &[page, t] : report.texts())
        if (headings.contains(t.text))
            found.append(t.text);
    EXPECT_EQ(found, headings);
}

TEST(StatusReport, NoOptionGivesAnEmptyDocument)
{
    Built report({false, false, false, false});
    ASSERT_EQ(report.doc.pageCount(), 1);
    EXPECT_TRUE(report.doc.page(0).ops.isEmpty());
}

TEST(StatusReport, CellsStandWhereTheColumnsPutThem)
{
    StatusTable statuses;
    statuses[1] = QStringLiteral("  Completed ");
    statuses[2] = QStringLiteral("   ");
    statuses[3] = QStringLiteral("Working");
    Built report({false, true, false, false}, 0, statuses);
    const qreal w = report.doc.pageWidth();
    const Preview::TextOp *completed = report.find(QStringLiteral("Completed"));
    const Preview::TextOp *risk = report.find(QStringLiteral("Risk Analysis"));
    const Preview::TextOp *process = report.find(QStringLiteral("Security Management Process"));
    const Preview::TextOp *section = report.find(QStringLiteral("164.308(a)(1)"));
    const Preview::TextOp *header = report.find(QStringLiteral("Standards"));
    const Preview::TextOp *status = report.find(QStringLiteral("Current Status"));
    ASSERT_TRUE(completed && risk && process && section && header && status);
    EXPECT_NEAR(centre(*completed), w / 1.12, 1);
    EXPECT_NEAR(risk->box.left(), w / 2.2, 1);
    EXPECT_NEAR(process->box.left(), w / 30, 1);
    EXPECT_TRUE(process->font.bold());
    EXPECT_FALSE(risk->font.bold());
    EXPECT_NEAR(centre(*section), w / 2.8, 1);
    EXPECT_NEAR(centre(*header), w / 6.8, 1);
    EXPECT_NEAR(centre(*status), w / 1.12, 1);
    // One line per row, all columns of a row on one baseline.
    EXPECT_EQ(completed->baseline.y(), risk->baseline.y());
    const Preview::TextOp *working = report.find(QStringLiteral("Working"));
    ASSERT_TRUE(working);
    EXPECT_NEAR(working->box.top() - completed->box.top(), 2 * completed->box.height(), 0.01);
    // The blank status of row 2 prints nothing visible; "Other Arrangements" has no status cell at all.
    int statusCells = 0;
    for (const auto &[page, t] : report.texts())
        statusCells += qAbs(centre(t) - w / 1.12) < 1 && t.text != QStringLiteral("Current Status");
    EXPECT_EQ(statusCells, 23);
    EXPECT_EQ(report.count(QStringLiteral("R")), 12);
    EXPECT_EQ(report.count(QStringLiteral("A")), 11);
}

TEST(StatusReport, TableRunningPastThePageContinuesInItsOwnBox)
{
    Built report({true, false, false, false}, 1);
    ASSERT_GE(report.doc.pageCount(), 2);
    const qreal bottom = report.doc.pageHeight() - report.doc.marginBottom();
    for (int p = 0; p < report.doc.pageCount(); ++p) {
        for (const Preview::Op &op : report.doc.page(p).ops) {
            const QRectF area = Preview::bounds(op);
            EXPECT_LE(area.bottom(), bottom + 15) << "page " << p;
            EXPECT_GE(area.top(), report.doc.marginTop() - 15) << "page " << p;
        }
    }
    // The page that continues a table opens with its box's top rule and the header row.
    const auto secondPage = textOps(report.doc.page(1));
    ASSERT_FALSE(secondPage.isEmpty());
    EXPECT_EQ(secondPage.first().text, "Standards");
    EXPECT_DOUBLE_EQ(report.rules(1).first(), report.doc.marginTop());
    // Every row is printed once.
    for (const char *cell : {"Facility Access Control", "Data Backup and Storage", "Encryption"})
        EXPECT_EQ(report.count(QLatin1String(cell)), 1) << cell;
}
