#include "core/rule/RulePages.h"

#include <algorithm>

namespace RulePages {

namespace {

constexpr Page pages[count] = {
    {"Entire Rule", "The Entire Security Rule"},
    {"Summary", "Summary portion of the Rule"},
    {"I. Background", "Background of the Rule."},
    {"II. General Overview", "General Overview of the Proposed Rule"},
    {"III. Analysis of, ...", "Analysis of, and Responses to, Public Comments on the Proposed Rule"},
    {"A. General Issues", "General Issues"},
    {"B. Applicability", "Applicability (Sec. 164.302)"},
    {"C. Transition ...", "Transition to the Final Rule"},
    {"D. General Rules", "General Rules (Sec. 164.306)"},
    {"E. Admin. Safeguards", "Administrative Safeguards (Sec. 164.308)"},
    {"F. Physical Safeguards", "Physical Safeguards (Sec. 164.310)"},
    {"G.Technical Safeguards", "Technical Safeguards (Sec. 164.312)"},
    {"H. Organizational Req.", "Organizational Requirements (Sec. 164.314)"},
    {"I. Policies&&Procedures..", "Policies and Procedures and Documentation Requirements (Sec. 164.316)"},
    {"J. Compliance Dates...", "Compliance Dates for Initial Implementation (Sec. 164.318)"},
    {"K. Appendix", "Appendix"},
    {"L. Misc. Issues", "Miscellaneous Issues."},
    {"M. Proposed Impact...", "Proposed Impact Analysis"},
    {"IV. Provisions of...", "Provisions of the Final Regulation"},
    {"V.Collection of Info...", "Collection of Information Requirements"},
    {"IV. Regulatory Impact...", "Regulatory Impact Analysis"},
    {"V. Federalism", "Federalism"},
    {"List of Subjects", "List of Subjects"},
    {"Subpart C-Sec. Stand...",
     "Subpart C - Security Standards for the Protection of Electronic Protected Health Information"},
    {"Subpart C- Matrix", "Appendix A to Subpart C of Part 164--Security Standards Matrix"},
};

} // namespace

const Page &page(int number)
{
    return pages[std::clamp(number, 0, count - 1)];
}

QString fileName(int number)
{
    return QStringLiteral("PR%1.Dat").arg(number);
}

bool hasAmendedText(int number)
{
    return number == 0 || number == 23 || number == 24;
}

QString fileName(int number, bool amended)
{
    return amended && hasAmendedText(number) ? QStringLiteral("PR%1A.Dat").arg(number) : fileName(number);
}

} // namespace RulePages
