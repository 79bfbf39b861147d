#include "core/references/ReferenceTable.h"

#include "core/references/ReferenceLines.h"
#include "core/references/ReferenceParts.h"
#include "core/rule/RuleData.h"

namespace ReferenceTable {

QString lineText(const Line &line)
{
    if (line.kind == Line::Kind::Regulation)
        return RuleData::block(QString::fromUtf8(line.text), line.indent);
    return QString::fromUtf8(line.text);
}

const Source &references(int number)
{
    static const std::vector<Source> items = [] {
        std::vector<Source> all = ReferenceParts::administrativeReferences();
        for (Source &source : ReferenceParts::otherReferences())
            all.push_back(std::move(source));
        return all;
    }();
    static const Source none;
    return number >= 1 && number <= int(items.size()) ? items[static_cast<size_t>(number - 1)] : none;
}

const std::vector<Line> &addressableExplanation()
{
    static const std::vector<Line> lines{
        text("This Implementation Specification is Addressable."),
        text("This means that a covered entity will do one of the following:"),
        text("    1 - Will Implement this Implementation specification."),
        text("    2 - Implement one of more alternative security measures;"),
        text("    3 - Implement a combination of both; or"),
        text("    4 - Do not implement the addressable implementation specification or"),
        text("        an alternative security measure. (Least desirable)"),
        text("    Which ever action is taken it should be well documented!"),
        text("    In several addressable areas it may be easier to implement than explain/justify why not used!"),
    };
    return lines;
}

} // namespace ReferenceTable

std::vector<ReferenceTable::Line> ReferenceLines::join(std::initializer_list<std::vector<Line>> groups)
{
    std::vector<Line> lines;
    for (const std::vector<Line> &group : groups)
        lines.insert(lines.end(), group.begin(), group.end());
    return lines;
}
