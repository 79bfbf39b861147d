#include "core/search/RecordSearch.h"

#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/risk/RiskStore.h"

namespace RecordSearch {

namespace {

// "Label: text" lines for the fields that have text.
QString lines(const QList<std::pair<QString, QString>> &fields)
{
    QStringList kept;
    for (const auto &[label, text] : fields)
        if (!text.trimmed().isEmpty())
            kept.append(label + QStringLiteral(": ") + text.trimmed());
    return kept.join(u'\n');
}

} // namespace

QList<SearchDocument> decisions(const QMap<int, Decision> &current)
{
    QList<SearchDocument> docs;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        const Decision &decision = it.value();
        if (decision.choice == Decision::Undecided)
            continue;
        Place place;
        place.kind = Place::DecisionRegister;
        place.row = it.key();
        docs.append({QString::fromLatin1(decisionPrefix) + QString::number(it.key()),
                     QString::fromUtf8(decisionsGroup), RecordItems::title(it.key()), place,
                     lines({{QStringLiteral("Decision"), Decision::text(decision.choice)},
                            {QStringLiteral("Reasons"), decision.reasons},
                            {QStringLiteral("Alternative measure"), decision.alternative},
                            {QStringLiteral("Decided by"), decision.decidedBy}})});
    }
    return docs;
}

QList<SearchDocument> risks(const QList<Risk> &risks)
{
    QList<SearchDocument> docs;
    for (const Risk &risk : risks) {
        Place place;
        place.kind = Place::RiskRegister;
        place.row = int(risk.id);
        const QString title = QStringLiteral("%1: %2 (%3)")
                                  .arg(risk.asset, risk.threat, RiskScale::levelName(risk.level()));
        docs.append({QString::fromLatin1(riskPrefix) + QString::number(risk.id), QString::fromUtf8(risksGroup),
                     title, place,
                     lines({{QStringLiteral("Asset"), risk.asset},
                            {QStringLiteral("Threat"), risk.threat},
                            {QStringLiteral("Vulnerability"), risk.vulnerability},
                            {QStringLiteral("Planned measure"), risk.measure},
                            {QStringLiteral("Owner"), risk.owner}})});
    }
    return docs;
}

QList<SearchDocument> decisions(RecordDatabase *record)
{
    if (!record)
        return {};
    const Result<QMap<int, Decision>> current = Decisions(*record).current();
    return current ? decisions(*current) : QList<SearchDocument>{};
}

QList<SearchDocument> risks(RecordDatabase *record)
{
    if (!record)
        return {};
    const Result<QList<Risk>> all = RiskStore(record->readConnection()).risks();
    return all ? risks(*all) : QList<SearchDocument>{};
}

} // namespace RecordSearch
