#include "core/todo/TodoPrint.h"

#include <QFontMetricsF>
#include <QStringList>
#include <array>
#include <optional>

#include "core/print/PreviewDocument.h"
#include "core/todo/TodoDate.h"
#include "core/exports/EditableFlow.h"
#include "core/exports/PreviewEditable.h"
#include "core/exports/ReportTables.h"

namespace TodoPrint {

namespace {

const QString TimesNewRoman = QStringLiteral("Times New Roman");
constexpr qreal DefaultSize = 12;
constexpr qreal FrameInset = 100;
constexpr qreal HeadDrop = 300;
constexpr qreal FreshPageZone = 400;
constexpr qreal ItemIndent = 360;

// Centres of the headings and dates, and the column separators, as divisors of the page width.
constexpr std::array<qreal, 4> Anchors{5.2, 1.995, 1.45, 1.124};
constexpr std::array<int, 4> AnchorColumns{1, 2, 3, 5};
constexpr std::array<qreal, 4> Separators{2.45, 1.685, 1.274, 1.266};
const std::array<QString, 4> Headings{QStringLiteral("To Do Item"), QStringLiteral("To Do Date"),
                                      QStringLiteral("Actual Date"), QStringLiteral("Next Review Date")};

class ListLayout
{
public:
    ListLayout(PreviewDocument &document, qreal fontSize, Options options, QDate today)
        : m_doc(document), m_size(fontSize), m_options(options), m_today(today)
    {
        m_width = m_doc.pageWidth();
        setSize(m_size);
    }

    void row(const TodoGrid &grid, int r)
    {
        const qreal bottom = m_doc.pageHeight() - m_doc.marginBottom() - FrameInset;
        const qreal lastLine = bottom - 2 * width(QStringLiteral("P"));
        if (m_doc.currentY() < m_doc.marginTop() + FreshPageZone)
            head(bottom);
        if (m_doc.currentY() >= lastLine) {
            m_doc.newPage();
            m_doc.setCurrentY(0);
            head(bottom);
        }
        const qreal y = m_doc.currentY();
        textAt(m_doc.marginLeft() + ItemIndent, y, grid.item(r));
        for (std::size_t i = 1; i < Anchors.size(); ++i)
            centredAt(m_width / Anchors.at(i), y, grid.cell(r, AnchorColumns.at(i)));
        m_doc.setCurrentY(y + m_metrics->lineSpacing());
    }

private:
    // The font size of what follows, with its measures.
    void setSize(qreal size)
    {
        m_doc.setFontSize(size > 0 ? size : 1);
        m_metrics.emplace(Preview::twipsFont(m_doc.font()), Preview::twipsDevice());
    }
    qreal width(const QString &text) const { return m_metrics->horizontalAdvance(text); }

    void head(qreal bottom)
    {
        const qreal top = m_doc.marginTop() + HeadDrop;
        m_doc.setCurrentY(top);
        if (m_options.gridLines) {
            rule(top);
            m_doc.drawLine(FrameInset, top, FrameInset, bottom);
            m_doc.drawLine(m_width - FrameInset, top, m_width - FrameInset, bottom);
        }
        headLine(QStringLiteral("To Do List"), m_size + 2);
        if (m_options.asOfDate)
            headLine(QStringLiteral("As of  ") + TodoDate::longText(m_today), m_size - 2);
        setSize(m_size);
        const qreal y = m_doc.currentY();
        if (m_options.gridLines) {
            rule(y);
            for (qreal divisor : Separators)
                m_doc.drawLine(m_width / divisor, y, m_width / divisor, bottom);
        }
        for (std::size_t i = 0; i < Anchors.size(); ++i)
            centredAt(m_width / Anchors.at(i), y, Headings.at(i));
        const qreal under = y + m_metrics->lineSpacing();
        if (m_options.gridLines)
            rule(under);
        m_doc.setCurrentY(under + FrameInset);
    }

    void headLine(const QString &text, qreal size)
    {
        setSize(size);
        const qreal y = m_doc.currentY();
        centredAt(m_width / 2, y, text);
        m_doc.setCurrentY(y + m_metrics->lineSpacing());
    }

    void rule(qreal y) { m_doc.drawLine(FrameInset, y, m_width - FrameInset, y); }

    void centredAt(qreal centre, qreal y, const QString &text)
    {
        textAt(centre - width(text) / 2, y, text);
    }

    void textAt(qreal x, qreal y, const QString &text)
    {
        if (text.isEmpty())
            return;
        m_doc.setCurrentX(x);
        m_doc.setCurrentY(y);
        m_doc.printLine(text);
        m_doc.setCurrentY(y);
    }

    PreviewDocument &m_doc;
    qreal m_size;
    Options m_options;
    QDate m_today;
    qreal m_width = 0;
    std::optional<QFontMetricsF> m_metrics;
};

} // namespace

PrinterSettings::PrinterFont printerFont(PrinterSettings::PrinterFont current, const QFont &entryFont,
                                         const std::function<bool(const QString &)> &available)
{
    const QString family = entryFont.family();
    if (family == QStringLiteral("MS Sans Serif") || family == QStringLiteral("MS Serif")) {
        current.name = TimesNewRoman;
        current.size = DefaultSize;
    } else if (available(family)) {
        current.name = family;
    } else {
        current.name = available(TimesNewRoman) ? TimesNewRoman : QStringLiteral("Courier");
    }
    current.bold = entryFont.bold();
    current.italic = entryFont.italic();
    if (!(current.size > 0))
        current.size = DefaultSize;
    return current;
}

void layout(PreviewDocument &document, const TodoGrid &grid, const PrinterSettings::PrinterFont &font,
            Options options, QDate today)
{
    document.discard();
    document.setTitle(QStringLiteral("To Do List"));
    document.setFont(font.font());
    document.setTextColor(font.colour);
    document.setLineColor(font.colour);
    document.startDoc();
    ListLayout list(document, font.size > 0 ? font.size : DefaultSize, options, today);
    for (int r = 1; r <= TodoGrid::Rows; ++r)
        if (grid.hasItem(r))
            list.row(grid, r);
    const QString title = options.asOfDate ? QStringLiteral("To Do List as of ") + TodoDate::longText(today)
                                           : QStringLiteral("To Do List");
    PreviewEditable::setDocument(document, EditableFlow::fromTables(title, {ReportTables::todo(grid)}));
    PreviewEditable::setSheet(document, ReportTables::todoSheet(grid));
    document.endDoc();
}

} // namespace TodoPrint
