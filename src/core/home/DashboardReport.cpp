#include "core/home/DashboardReport.h"

#include <QLocale>
#include <QTextDocument>

#include "core/print/PreviewDocument.h"
#include "core/exports/PreviewEditable.h"

namespace DashboardReport {

QList<ReportTable> tables(const QList<FigureGroup> &groups)
{
    ReportTable bars{QStringLiteral("Items by status"), {QStringLiteral("Category")}, {}};
    ReportTable counts{
        QStringLiteral("To be looked at"), {QStringLiteral("Figure"), QStringLiteral("Count")}, {}};
    for (const FigureGroup &group : groups)
        for (const Figure &figure : group.figures) {
            if (figure.parts.isEmpty()) {
                counts.rows.append({figure.caption, QString::number(figure.count)});
                continue;
            }
            if (bars.header.size() == 1) {
                for (const auto &part : figure.parts)
                    bars.header.append(part.first);
                bars.header.append(QStringLiteral("Items"));
                bars.header.append(QStringLiteral("Completed"));
            }
            QStringList row{figure.caption};
            for (const auto &part : figure.parts)
                row.append(QString::number(part.second));
            row.append(QString::number(figure.count));
            row.append(figure.note.section(u' ', 0, 1));
            bars.rows.append(row);
        }
    QList<ReportTable> out;
    if (!bars.rows.isEmpty())
        out.append(bars);
    if (!counts.rows.isEmpty())
        out.append(counts);
    return out;
}

void build(PreviewDocument &document, const QList<FigureGroup> &groups, QDate today)
{
    document.discard();
    document.setTitle(QString::fromLatin1(title));
    document.setFontName(QStringLiteral("Times New Roman"));
    document.setFontSize(10);
    document.startDoc();
    const QString asOf = QLocale(QLocale::English).toString(today, QStringLiteral("MMMM d, yyyy"));
    const std::shared_ptr<const QTextDocument> report = EditableFlow::fromTables(
        QString::fromLatin1(title) + QStringLiteral(" as of ") + asOf, tables(groups));
    document.appendRichText(*report);
    PreviewEditable::setDocument(document, report);
    document.endDoc();
}

} // namespace DashboardReport
