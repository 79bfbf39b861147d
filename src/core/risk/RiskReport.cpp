#include "core/risk/RiskReport.h"

#include <QTextDocument>
#include <QUrl>

#include "core/print/PreviewDocument.h"
#include "core/risk/RiskFilter.h"
#include "core/risk/RiskHeatMapPainter.h"
#include "core/risk/RiskTableModel.h"

namespace RiskReport {
namespace {

const QString heatMapName = QStringLiteral("heatmap");

QString cell(const QString &text) { return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))); }

QString summary(const QList<Risk> &risks)
{
    int counts[RiskScale::LevelCount] = {};
    int open = 0;
    for (const Risk &risk : risks) {
        open += risk.open ? 1 : 0;
        if (risk.open)
            ++counts[int(risk.level())];
    }
    QStringList parts;
    for (int level = RiskScale::LevelCount - 1; level >= 0; --level)
        parts << QStringLiteral("%1 %2").arg(counts[level]).arg(RiskScale::levelName(RiskScale::Level(level)));
    return QStringLiteral("%1 risks, %2 open (%3), %4 closed.")
        .arg(risks.size())
        .arg(open)
        .arg(parts.join(QStringLiteral(", ")))
        .arg(risks.size() - open);
}

QString row(const Risk &risk)
{
    QStringList safeguards;
    for (int item : risk.safeguards)
        safeguards << QString::number(item);
    QStringList ratings;
    for (const RiskRating &rating : risk.earlier)
        ratings << QString::number(rating.score());
    ratings << QString::number(risk.score());
    return QStringLiteral("<tr>") + cell(QString::number(risk.id)) + cell(risk.asset) +
           cell(risk.threatGroup.isEmpty() ? risk.threat : risk.threat + QStringLiteral(" (") + risk.threatGroup + u')') +
           cell(risk.vulnerability) +
           cell(safeguards.join(QStringLiteral(", "))) +
           cell(QStringLiteral("%1 x %2").arg(risk.rating.likelihood).arg(risk.rating.impact)) +
           cell(QStringLiteral("%1 %2").arg(risk.score()).arg(RiskScale::levelName(risk.level()))) +
           cell(ratings.join(QStringLiteral(" > "))) + cell(RiskScale::responseName(risk.response)) +
           cell(risk.measure) + cell(risk.owner) + cell(risk.due.isValid() ? risk.due.toString(Qt::ISODate) : QString()) +
           cell(risk.open ? QStringLiteral("Open") : QStringLiteral("Closed")) + QStringLiteral("</tr>");
}

} // namespace

QString html(const QList<Risk> &risks, const QDate &printedOn)
{
    QString text = QStringLiteral("<h1>%1</h1><p>Printed %2. %3</p>")
                       .arg(QLatin1String(Title), printedOn.toString(Qt::ISODate), summary(risks));
    text += QStringLiteral("<p>Open risks by likelihood and impact:</p><p><img src=\"%1\" width=\"360\" height=\"360\"></p>")
                .arg(heatMapName);
    text += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><thead><tr>");
    // Each column's share of the width, so that a word processor opening the editable copy keeps them.
    const std::pair<const char *, int> headings[] = {
        {"No.", 4},     {"Asset", 9},    {"Threat", 9},   {"Vulnerability", 13}, {"Safeguards", 6},
        {"L x I", 5},   {"Score", 7},    {"Ratings", 6},  {"Response", 7},       {"Planned measure", 13},
        {"Owner", 8},   {"Due", 7},      {"Status", 6}};
    for (const auto &[heading, percent] : headings)
        text += QStringLiteral("<th width=\"%1%\">%2</th>").arg(percent).arg(QLatin1String(heading));
    text += QStringLiteral("</tr></thead>");
    for (const Risk &risk : risks)
        text += row(risk);
    return text + QStringLiteral("</table>");
}

void render(PreviewDocument &document, const QList<Risk> &risks, const QDate &printedOn)
{
    document.discard();
    document.setTitle(QLatin1String(Title));
    document.setOrientation(1);
    document.startDoc();
    QTextDocument body;
    QFont font = document.font();
    font.setPointSize(9);
    body.setDefaultFont(font);
    RiskFilter open;
    open.status = RiskFilter::Status::Open;
    body.addResource(QTextDocument::ImageResource, QUrl(heatMapName),
                     RiskHeatMapPainter::image(RiskHeatCounts::of(risks, open), QSize(1080, 1080)));
    body.setHtml(html(risks, printedOn));
    document.appendRichText(body);
    document.endDoc();
}

} // namespace RiskReport
