#include "core/rule/RuleAmendments.h"

#include <QSet>
#include <optional>

#include "core/rule/RuleData.h"

namespace RuleAmendments {

namespace {

constexpr double sameParagraph = 0.5;

Paragraph whole(const QString &citation, Kind kind, const QString &text)
{
    const WordDiff::Kind runKind = kind == Kind::Added     ? WordDiff::Kind::Added
                                   : kind == Kind::Removed ? WordDiff::Kind::Removed
                                                           : WordDiff::Kind::Same;
    return {citation, kind, {{runKind, text}}};
}

// "164.314(a)(2)(iii)" is enclosed by "164.314(a)(2)".
QString enclosing(const QString &citation)
{
    if (!citation.endsWith(u')'))
        return {};
    return citation.left(citation.lastIndexOf(u'('));
}

} // namespace

std::vector<Paragraph> compare(const std::vector<Entry> &adopted, const std::vector<Entry> &amended)
{
    std::vector<bool> used(adopted.size(), false);
    QSet<QString> amendedCitations;
    for (const Entry &entry : amended)
        amendedCitations.insert(entry.citation);

    std::vector<Paragraph> out;
    size_t next = 0; // the first 2003 paragraph not yet placed
    const auto placeRemovedBefore = [&](size_t end) {
        for (; next < end; ++next)
            if (!used[next])
                out.push_back(whole(adopted[next].citation, Kind::Removed, adopted[next].text));
    };
    for (const Entry &entry : amended) {
        std::optional<size_t> source;
        std::optional<WordDiff::Comparison> comparison;
        std::optional<size_t> namesake;
        for (size_t i = next; i < adopted.size(); ++i) {
            if (used[i] || adopted[i].citation != entry.citation)
                continue;
            namesake = i;
            WordDiff::Comparison candidate = WordDiff::compare(adopted[i].text, entry.text);
            if (candidate.containment() >= sameParagraph) {
                source = i;
                comparison = std::move(candidate);
            }
            break;
        }
        // A renumbered paragraph: the most alike of those whose citation the amendments dropped or reused.
        for (size_t i = next; !source && i < adopted.size(); ++i) {
            if (used[i] || amendedCitations.contains(adopted[i].citation))
                continue;
            WordDiff::Comparison candidate = WordDiff::compare(adopted[i].text, entry.text);
            if (candidate.similarity() >= sameParagraph &&
                (!comparison || candidate.similarity() > comparison->similarity())) {
                comparison = std::move(candidate);
                source = i;
            }
        }
        if (!source) {
            // An added paragraph follows the 2003 one it replaces and those removed without replacement.
            size_t end = namesake ? *namesake + 1 : next;
            while (end < adopted.size() && !amendedCitations.contains(adopted[end].citation))
                ++end;
            placeRemovedBefore(end);
            out.push_back(whole(entry.citation, Kind::Added, entry.text));
            continue;
        }
        placeRemovedBefore(*source);
        used[*source] = true;
        next = *source + 1;
        if (comparison->changed())
            out.push_back({entry.citation, Kind::Changed, std::move(comparison->runs)});
        else
            out.push_back(whole(entry.citation, Kind::Unchanged, entry.text));
    }
    placeRemovedBefore(adopted.size());
    return out;
}

std::vector<Paragraph> compareCitations(const std::vector<QString> &citations)
{
    using RuleData::Edition;
    const QSet<QString> wanted(citations.begin(), citations.end());
    std::vector<Entry> adopted;
    for (const QString &citation : citations)
        if (RuleData::contains(citation, Edition::Adopted2003))
            adopted.push_back({citation, RuleData::line(citation, Edition::Adopted2003)});
    std::vector<Entry> amended;
    for (const QString &citation : RuleData::citations(Edition::Amended2013))
        if (wanted.contains(citation) ||
            (RuleData::change(citation) == RuleData::Change::Added && wanted.contains(enclosing(citation))))
            amended.push_back({citation, RuleData::line(citation, Edition::Amended2013)});
    return compare(adopted, amended);
}

bool anyChanged(const std::vector<Paragraph> &paragraphs)
{
    for (const Paragraph &paragraph : paragraphs)
        if (paragraph.kind != Kind::Unchanged)
            return true;
    return false;
}

} // namespace RuleAmendments
