#include <array>

#include "core/references/ReferenceLines.h"

using namespace ReferenceLines;
using ReferenceTable::rule;

namespace {

// The paragraphs above an implementation specification of §§ 164.308, 164.310 and 164.312.
std::vector<Line> administrative(std::initializer_list<Line> lines)
{
    return join({{S308, O1}, std::vector<Line>(lines)});
}
std::vector<Line> physicalOrTechnical(const Line &section, std::initializer_list<Line> lines)
{
    return join({{section, O2}, std::vector<Line>(lines)});
}

std::array<Source, 47> ruleTexts()
{
    const Line a1 = rule("164.308(a)(1)(ii)(A)"), a3 = rule("164.308(a)(3)(i)"), a4 = rule("164.308(a)(4)(i)");
    const Line a5 = rule("164.308(a)(5)(i)", 0), a7 = rule("164.308(a)(7)(i)");
    const Line f1 = rule("164.310(a)(1)"), d1 = rule("164.310(d)(1)"), t1 = rule("164.312(a)(1)");
    const Line e1 = rule("164.312(e)(1)");
    return {{
        built(administrative({I1, a1}), "Risk Analysis"),
        built(administrative({I1, rule("164.308(a)(1)(ii)(B)")}), "Risk Management"),
        built(administrative({I1, rule("164.308(a)(1)(ii)(C)")}), "Sanction Policy"),
        built(administrative({I1, rule("164.308(a)(1)(ii)(D)")}), "Information System Activity Review"),
        built(administrative({rule("164.308(a)(2)")}), "Assigned Security Responsibility"),
        built(administrative({a3, I1, rule("164.308(a)(3)(ii)(A)")}), "Authorization and/or Supervision"),
        built(administrative({a3, I1, rule("164.308(a)(3)(ii)(B)")}), "Workforce Clearance Procedure"),
        built(administrative({a3, I1, rule("164.308(a)(3)(ii)(C)")}), "Termination Procedures"),
        built(administrative({a4, I1, rule("164.308(a)(4)(ii)(A)")}), "Isolating health care clearinghouse functions"),
        built(administrative({a4, I1, rule("164.308(a)(4)(ii)(B)")}), "Access Authorization"),
        built(administrative({a4, I1, rule("164.308(a)(4)(ii)(C)")}), "Access Establishment and Modification"),
        built(administrative({a5, rule("164.308(a)(5)(ii)(A)", 3)}), "Security Reminders"),
        built(administrative({a5, rule("164.308(a)(5)(ii)(B)")}), "Protection from malicious software"),
        built(administrative({a5, rule("164.308(a)(5)(ii)(C)")}), "Log-in monitoring"),
        built(administrative({a5, rule("164.308(a)(5)(ii)(D)")}), "Password management"),
        built(administrative({rule("164.308(a)(6)(i)", 0), rule("164.308(a)(6)(ii)")}), "Response and Reporting"),
        built(administrative({a7, I1, rule("164.308(a)(7)(ii)(A)")}), "Data backup plan"),
        built(administrative({a7, I1, rule("164.308(a)(7)(ii)(B)")}), "Disaster recovery plan"),
        built(administrative({a7, I1, rule("164.308(a)(7)(ii)(C)")}), "Emergency mode operation plan"),
        built(administrative({a7, I1, rule("164.308(a)(7)(ii)(D)")}), "Testing and revision procedures"),
        built(administrative({a7, I1, rule("164.308(a)(7)(ii)(E)")}), "Applications and data criticality analysis"),
        built(administrative({rule("164.308(a)(8)")}), "Evaluation"),
        built(administrative({rule("164.308(b)(1)"), rule("164.308(b)(2)"), rule("164.308(b)(2)(i)"),
                              rule("164.308(b)(2)(ii)"), rule("164.308(b)(2)(iii)"), rule("164.308(b)(3)"),
                              rule("164.308(b)(4)")}),
              "Written Contract or Other Arrangement"),
        built(physicalOrTechnical(S310, {f1, I2, rule("164.310(a)(2)(i)")}), "Contingency Operations"),
        built(physicalOrTechnical(S310, {f1, I2, rule("164.310(a)(2)(ii)")}), "Facility Security Plan"),
        built(physicalOrTechnical(S310, {f1, I2, rule("164.310(a)(2)(iii)")}), "Access control and validation procedures"),
        built(physicalOrTechnical(S310, {f1, I2, rule("164.310(a)(2)(iv)")}), "Maintenance records"),
        built(physicalOrTechnical(S310, {rule("164.310(b)")}), "Workstation use"),
        built(physicalOrTechnical(S310, {rule("164.310(c)")}), "Workstation security"),
        built(physicalOrTechnical(S310, {d1, I2, rule("164.310(d)(2)(i)")}), "Disposal"),
        built(physicalOrTechnical(S310, {d1, I2, rule("164.310(d)(2)(ii)")}), "Media re-use"),
        built(physicalOrTechnical(S310, {d1, I2, rule("164.310(d)(2)(iii)")}), "Accountability"),
        built(physicalOrTechnical(S310, {d1, I2, rule("164.310(d)(2)(iv)")}), "Data backup and storage"),
        built(physicalOrTechnical(S312, {t1, I2, rule("164.312(a)(2)(i)")}), "Unique user identification"),
        built(physicalOrTechnical(S312, {t1, I2, rule("164.312(a)(2)(ii)")}), "Emergency access procedure"),
        built(physicalOrTechnical(S312, {t1, I2, rule("164.312(a)(2)(iii)")}), "Automatic logoff"),
        built(physicalOrTechnical(S312, {t1, I2, rule("164.312(a)(2)(iv)")}), "Encryption and decryption"),
        built(physicalOrTechnical(S312, {rule("164.312(b)")}), "Audit controls"),
        built(physicalOrTechnical(S312, {rule("164.312(c)(1)"), rule("164.312(c)(2)")}),
              "Mechanism to authenticate electronic protected health information"),
        built(physicalOrTechnical(S312, {rule("164.312(d)")}), "Person or entity authentication"),
        built(physicalOrTechnical(S312, {e1, I2, rule("164.312(e)(2)(i)")}), "Integrity controls"),
        built(physicalOrTechnical(S312, {e1, I2, rule("164.312(e)(2)(ii)")}), "Encryption"),
        built({}, ""),
        built({rule("164.314(a)(1)", 3), rule("164.314(a)(1)(i)"), rule("164.314(a)(1)(ii)"),
               rule("164.314(a)(1)(ii)(A)"), rule("164.314(a)(1)(ii)(B)"), rule("164.314(a)(2)"),
               rule("164.314(a)(2)(i)"), rule("164.314(a)(2)(i)(A)"), rule("164.314(a)(2)(i)(B)"),
               rule("164.314(a)(2)(i)(C)"), rule("164.314(a)(2)(i)(D)"), rule("164.314(a)(2)(ii)"),
               rule("164.314(a)(2)(ii)(A)"), rule("164.314(a)(2)(ii)(A)(1)"), rule("164.314(a)(2)(ii)(A)(2)"),
               rule("164.314(a)(2)(ii)(B)"), rule("164.314(a)(2)(ii)(C)")},
              "Business associate"),
        built({rule("164.314(b)(1)", 0), rule("164.314(b)(2)"), rule("164.314(b)(2)(i)"), rule("164.314(b)(2)(ii)"),
               rule("164.314(b)(2)(iii)"), rule("164.314(b)(2)(iv)")},
              "Requirements for group health plans"),
        built({}, ""),
        // (b)(1) and (b)(1)(i) are printed as one paragraph.
        built({S316, O2, rule("164.316(a)"), rule("164.316(b)(1)(i)"), rule("164.316(b)(1)(ii)"), I2,
               rule("164.316(b)(2)(i)"), rule("164.316(b)(2)(ii)"), rule("164.316(b)(2)(iii)")},
              "Documentation"),
    }};
}

} // namespace

const ReferenceTable::Source &ReferenceTable::ruleText(int number)
{
    static const std::array<Source, 47> table = ruleTexts();
    static const Source none;
    return number >= 1 && number <= 47 ? table[static_cast<size_t>(number - 1)] : none;
}
