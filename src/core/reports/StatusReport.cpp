#include "core/reports/StatusReport.h"

#include "core/print/PreviewDocument.h"
#include "core/text/PlainText.h"
#include "core/exports/EditableFlow.h"
#include "core/exports/PreviewEditable.h"
#include "core/exports/ReportTables.h"

namespace {

constexpr qreal edge = 100;      // box edges from the paper's sides
constexpr qreal ruleGap = 30;    // below a rule, before text
constexpr qreal headerGap = 100; // below the header row
constexpr qreal tableGap = 60;   // between one box and the next
constexpr qreal legendGap = 100; // between the last box and the legend
constexpr qreal firstLine = 700; // below the top margin, where the report starts
constexpr qreal drawnMark = 200; // a table bottom above this means a table is in the document

const QString sectionSign = QStringLiteral("\u00a7");

} // namespace

StatusReport::StatusReport(PreviewDocument &document, const StatusTable &statuses, const QColor &textColour)
    : m_doc(document), m_statuses(statuses), m_textColour(textColour)
{
}

void StatusReport::build(const Options &options)
{
    m_doc.discard();
    m_doc.setFontName(QStringLiteral("Times New Roman"));
    m_doc.setFontSize(10);
    m_doc.setFontBold(false);
    m_doc.setFontItalic(false);
    m_doc.setFontUnderline(false);
    m_doc.setFontStrikethrough(false);
    m_doc.setTextColor(Qt::black);
    m_doc.setLineColor(Qt::black);
    m_doc.startDoc();
    m_width = m_doc.pageWidth();
    m_doc.setCurrentY(m_doc.marginTop() + firstLine);
    m_doc.setTextColor(m_textColour);
    m_boxTop = m_headingBottom = m_tableBottom = 0;
    if (options[0]) {
        for (int category = 0; category < 3; ++category)
            drawTable(StatusReportRows::table(category));
        drawRequirementBox(0);
        drawRequirementBox(1);
        drawLegend();
    } else {
        for (int category = 0; category < 3; ++category)
            if (options[std::size_t(category) + 1])
                drawTable(StatusReportRows::table(category));
        if (options[1] || options[2] || options[3])
            drawLegend();
    }
    // The editable copy: the chosen tables; all safeguards also list the requirements' items.
    const QList<ReportTable> all = ReportTables::statuses(m_statuses);
    QList<ReportTable> chosen;
    for (int i = 0; i < all.size(); ++i)
        if (options[0] || (i < 3 && options[std::size_t(i) + 1]))
            chosen.append(all[i]);
    if (!chosen.isEmpty()) {
        PreviewEditable::setDocument(m_doc, EditableFlow::fromTables(QStringLiteral("HIPAA Security Standards"), chosen));
        PreviewEditable::setSheet(m_doc, ReportTables::statusSheet(m_statuses));
    }
    m_doc.endDoc();
}

void StatusReport::drawTable(const StatusReportRows::Table &table)
{
    m_doc.setFontSize(10);
    const qreal line = m_doc.lineHeight();
    // The box opens only where its heading, header row and first row fit below it.
    const qreal opening = 2 * ruleGap + 2 * line + headerGap + line;
    if (m_tableBottom > drawnMark) {
        m_doc.setCurrentY(m_tableBottom + tableGap);
        m_boxTop = m_headingBottom = m_tableBottom = 0;
        breakBefore(opening);
    } else {
        printTitle();
        breakBefore(opening);
    }
    m_boxTop = m_doc.currentY();
    rule();
    m_doc.setCurrentY(m_doc.currentY() + ruleGap);
    m_doc.setFontBold(true);
    m_doc.setFontSize(10);
    printCentred(QString::fromLatin1(table.heading) + sectionSign + QString::fromLatin1(table.part),
                 m_width / 2);
    m_doc.setFontBold(false);
    m_headingBottom = m_doc.currentY();
    rule();
    m_doc.setCurrentY(m_doc.currentY() + ruleGap);
    printHeaderRow();

    qreal partBoxTop = m_boxTop;
    qreal partDividerTop = m_headingBottom;
    bool continued = false;
    for (const StatusReportRows::Row &row : table.rows) {
        if (m_doc.currentY() + line > pageBottom() && m_doc.currentY() > m_doc.marginTop() + line) {
            rule();
            closeTablePart(partBoxTop, partDividerTop);
            m_doc.newPage();
            partBoxTop = partDividerTop = m_doc.currentY();
            rule();
            m_doc.setCurrentY(m_doc.currentY() + ruleGap);
            printHeaderRow();
            rule();
            continued = true;
        } else if (row.ruleAbove && !continued) {
            rule();
        }
        continued = false;
        printRow(row);
    }
    rule();
    m_tableBottom = m_doc.currentY();
    closeTablePart(partBoxTop, partDividerTop);
}

void StatusReport::printTitle()
{
    m_doc.setFontSize(12);
    m_doc.setFontBold(true);
    printCentred(QStringLiteral("HIPAA Security Standards"), m_width / 2);
    m_doc.setFontBold(false);
    m_doc.setFontSize(10);
}

void StatusReport::printHeaderRow()
{
    m_doc.setFontSize(10);
    m_doc.setFontBold(true);
    const qreal top = m_doc.currentY();
    const std::pair<const char *, qreal> cells[] = {{"Standards", m_width / 6.8},
                                                    {"Section", m_width / 2.8},
                                                    {"Implementation Specification", m_width / 1.68},
                                                    {"Current Status", m_width / 1.12}};
    for (const auto &[text, centre] : cells) {
        m_doc.setCurrentY(top);
        printCentred(QString::fromLatin1(text), centre);
    }
    m_doc.setCurrentY(m_doc.currentY() + headerGap);
}

// One line of every column; a cell the column lacks is left out, an empty one printed as a blank.
void StatusReport::printRow(const StatusReportRows::Row &row)
{
    const auto cell = [](const char *text) {
        return *text ? QString::fromLatin1(text) : QStringLiteral(" ");
    };
    const qreal top = m_doc.currentY();
    const auto at = [this, top](const QString &text, qreal x, bool centred) {
        m_doc.setCurrentY(top);
        if (centred)
            printCentred(text, x);
        else
            printAt(text, x);
    };
    m_doc.setFontBold(true);
    at(cell(row.standard), m_width / 30, false);
    m_doc.setFontBold(false);
    if (row.section)
        at(cell(row.section), m_width / 2.8, true);
    if (row.specification)
        at(cell(row.specification), m_width / 2.2, false);
    if (row.letter())
        at(QString(QLatin1Char(row.letter())), m_width / 1.28, false);
    if (row.number > 0) {
        const QString text = status(row.number);
        at(text.isEmpty() ? QStringLiteral(" ") : text, m_width / 1.12, true);
    }
    m_doc.setCurrentY(top + m_doc.lineHeight());
}

void StatusReport::drawRequirementBox(int index)
{
    if (m_tableBottom > drawnMark) {
        m_doc.setCurrentY(m_tableBottom + tableGap);
        m_boxTop = m_headingBottom = m_tableBottom = 0;
    }
    m_doc.setFontSize(10);
    breakBefore(ruleGap + m_doc.lineHeight());
    m_boxTop = m_doc.currentY();
    rule();
    m_doc.setCurrentY(m_doc.currentY() + ruleGap);
    m_doc.setFontBold(true);
    printCentred(QString::fromLatin1(StatusReportRows::requirementHeadings[index]) + sectionSign +
                     QString::fromLatin1(StatusReportRows::requirementParts[index]),
                 m_width / 2);
    m_doc.setFontBold(false);
    m_tableBottom = m_doc.currentY();
    rule();
    m_doc.drawLine(edge, m_boxTop, edge, m_tableBottom);
    m_doc.drawLine(m_width - edge, m_boxTop, m_width - edge, m_tableBottom);
}

void StatusReport::drawLegend()
{
    m_doc.setFontSize(8);
    m_doc.setCurrentY(m_tableBottom + legendGap);
    breakBefore(m_doc.lineHeight());
    m_doc.setFontBold(true);
    printAt(QStringLiteral("      Legend:  R = Required    A = Addressable"), m_doc.marginLeft());
    m_doc.setFontBold(false);
}

void StatusReport::printCentred(const QString &text, qreal centre)
{
    printAt(text, centre - m_doc.textWidth(text) / 2);
}

void StatusReport::printAt(const QString &text, qreal x)
{
    m_doc.setCurrentX(x);
    m_doc.printLine(text);
}

void StatusReport::rule()
{
    const qreal y = m_doc.currentY();
    m_doc.drawLine(edge, y, m_width - edge, y);
}

void StatusReport::closeTablePart(qreal boxTop, qreal dividerTop)
{
    const qreal bottom = m_doc.currentY();
    m_doc.drawLine(edge, boxTop, edge, bottom);
    for (const qreal divider : {3.45, 2.35, 1.3, 1.245})
        m_doc.drawLine(m_width / divider, dividerTop, m_width / divider, bottom);
    m_doc.drawLine(m_width - edge, boxTop, m_width - edge, bottom);
}

bool StatusReport::breakBefore(qreal height)
{
    if (m_doc.currentY() + height <= pageBottom() || m_doc.currentY() <= m_doc.marginTop() + 0.5)
        return false;
    m_doc.newPage();
    return true;
}

qreal StatusReport::pageBottom() const
{
    return m_doc.pageHeight() - m_doc.marginBottom();
}

QString StatusReport::status(int number) const
{
    if (number <= 0 || number >= int(m_statuses.size()))
        return {};
    return PlainText::trimmedBlanks(m_statuses[std::size_t(number)]);
}
