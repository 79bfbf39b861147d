// References of the items of § 164.308: content files, or summaries in our own words of the final rule's
// preamble and of the regulation (every summary line says so), followed by the item's regulation paragraphs.
#include "core/references/ReferenceLines.h"
#include "core/references/ReferenceParts.h"

using namespace ReferenceLines;
using ReferenceTable::blank;
using ReferenceTable::rule;
using ReferenceTable::text;

namespace {

const Line securityManagement = text("1. Security Management Process (§ 164.308(a)(1)(i))");
const Line assignedResponsibility = text("2. Assigned Security Responsibility (§ 164.308(a)(2))");
const Line workforceSecurity = text("3. Workforce Security (§ 164.308(a)(3)(i))");
const Line awarenessTraining = text("5. Security Awareness and Training (§ 164.308(a)(5)(i))");
const Line contingencyPlan = text("7. Contingency Plan (§ 164.308(a)(7)(i))");

const Line administrativeSection = text(
    "Preamble (summary): Section III.E of the preamble, Administrative Safeguards (§ 164.308), answers the public "
    "comments on the proposed administrative requirements. In the final rule those requirements are reordered and "
    "trimmed, two proposed requirement sets are dropped, and many implementation features become addressable.");
const Line securityManagementDiscussed = text(
    "Preamble (summary): The preamble discusses the security management process standard, § 164.308(a)(1)(i), "
    "under this heading.");
const Line securityManagementFinal = text(
    "Final rule (summary): The final rule adopts the security management process as a standard in "
    "§ 164.308(a)(1)(i), with four required implementation specifications: risk analysis, risk management, "
    "sanction policy and information system activity review.");
const Line terminologyChange = text(
    "Change note (summary): The preamble explains that the final rule speaks of standards and implementation "
    "specifications where the proposal spoke of requirements and implementation features.");

const Line workforceDiscussed = text(
    "Preamble (summary): The preamble discusses the workforce security standard, § 164.308(a)(3)(i), under this "
    "heading.");
const Line addressableMeaning = text(
    "Final rule (summary): For each addressable implementation specification the entity assesses, under "
    "§ 164.306(d)(3), whether it is a reasonable and appropriate safeguard in its environment; where it is not, the "
    "entity documents why and implements an equivalent alternative measure if that is reasonable and appropriate.");

const Line awarenessDiscussed = text(
    "Preamble (summary): The preamble discusses the security awareness and training standard, § 164.308(a)(5)(i), "
    "under this heading.");

const Line contingencyDiscussed = text(
    "Preamble (summary): The preamble discusses the contingency plan standard, § 164.308(a)(7)(i), under this "
    "heading.");
const Line contingencyFinal = text(
    "Final rule (summary): The final rule adopts the contingency plan as a standard in § 164.308(a)(7)(i). The "
    "data backup plan, disaster recovery plan and emergency mode operation plan are required; testing and revision "
    "procedures and the applications and data criticality analysis are addressable.");

const std::vector<Line> workforceParagraphs{S308, O1, rule("164.308(a)(3)(i)"), I1};
const std::vector<Line> contingencyTitle{contingencyPlan, blank(), contingencyDiscussed};

std::vector<Line> fromPreamble(std::initializer_list<Line> lines, std::vector<Line> paragraphs)
{
    return join({std::vector<Line>(lines), std::move(paragraphs)});
}

} // namespace

std::vector<ReferenceTable::Source> ReferenceParts::administrativeReferences()
{
    return {
        file("RefRA1.Dat"),
        file("RefRM1.Dat"),
        file("RefSC1.Dat"),
        built(fromPreamble({administrativeSection, securityManagement, blank(), securityManagementDiscussed,
                            securityManagementFinal, terminologyChange},
                           {S308, O1, I1, rule("164.308(a)(1)(ii)(D)")}),
              "Information System Activity Review"),
        built({assignedResponsibility, blank(),
               text("Preamble (summary): The preamble discusses the assigned security responsibility standard, "
                    "§ 164.308(a)(2), under this heading."),
               text("Final rule (summary): The covered entity identifies the security official responsible for "
                    "developing and implementing the policies and procedures that the security standards require.")},
              "Assigned Security Responsibility"),
        built(fromPreamble(
                  {workforceSecurity, blank(), workforceDiscussed,
                   text("Final rule (summary): The final rule adopts workforce security as a standard in "
                        "§ 164.308(a)(3)(i), with three addressable implementation specifications: authorization "
                        "and/or supervision, workforce clearance procedure and termination procedures."),
                   addressableMeaning},
                  join({workforceParagraphs, {rule("164.308(a)(3)(ii)(A)")}})),
              "Authorization and/or Supervision"),
        built(fromPreamble(
                  {text("Final rule (summary): The workforce clearance procedure, an addressable implementation "
                        "specification of workforce security, determines whether a workforce member's access to "
                        "electronic protected health information is appropriate.")},
                  join({workforceParagraphs, {rule("164.308(a)(3)(ii)(B)")}})),
              "Workforce clearance procedure"),
        file("RefTM1.Dat"),
        built({rule("164.308(a)(4)(ii)(A)", 3)}, "Isolating health care clearinghouse functions"),
        file("RefAA1.Dat"),
        file("RefAE1.Dat"),
        built({awarenessTraining, blank(), awarenessDiscussed,
               text("Final rule (summary): The security awareness and training program is for all members of the "
                    "workforce, management included."),
               rule("164.308(a)(5)(ii)(A)")},
              "Security Reminders"),
        built({awarenessTraining, blank(), awarenessDiscussed,
               text("Final rule (summary): The final rule adopts security awareness and training as a standard in "
                    "§ 164.308(a)(5)(i), with four addressable implementation specifications: security reminders, "
                    "protection from malicious software, log-in monitoring and password management."),
               rule("164.308(a)(5)(ii)(B)")},
              "protection from malicious software"),
        built({rule("164.308(a)(5)(ii)(C)")}, "Log-in monitoring"),
        built({awarenessTraining, blank(), awarenessDiscussed, rule("164.308(a)(5)(ii)(D)")}, "password management"),
        built({text("Preamble (summary): The preamble discusses the security incident procedures standard, "
                    "§ 164.308(a)(6), under heading 6 of section III.E, and the definition of security incident in "
                    "§ 164.304 under heading 7 of section III.C."),
               text("Final rule (summary): Security incident procedures have a single implementation "
                    "specification, response and reporting, which is required."),
               rule("164.308(a)(6)(ii)")},
              "response and reporting"),
        built(join({contingencyTitle,
                    {text("Final rule (summary): The contingency plan standard calls for establishing, and "
                          "implementing as needed, policies and procedures for responding to an emergency or other "
                          "occurrence that damages systems containing electronic protected health information."),
                     rule("164.308(a)(7)(ii)(A)")}}),
              "data backup plan"),
        built(join({contingencyTitle,
                    {rule("164.308(a)(7)(ii)(B)"), S310, O2, rule("164.310(a)(1)"), I2, rule("164.310(a)(2)(i)")}}),
              "disaster recovery plan"),
        built(join({contingencyTitle,
                    {text("Final rule (summary): The emergency mode operation plan, a required implementation "
                          "specification, sets out procedures that let critical business processes continue, "
                          "protecting the security of electronic protected health information, while the entity "
                          "operates in emergency mode."),
                     rule("164.308(a)(7)(ii)(C)", 3)}}),
              "Emergency mode operation plan"),
        built(join({contingencyTitle,
                    {contingencyFinal,
                     text("Final rule (summary): Testing and revision procedures, an addressable implementation "
                          "specification, provide for the periodic testing and revision of contingency plans."),
                     rule("164.308(a)(7)(ii)(D)")}}),
              "testing and revision procedures"),
        built(join({contingencyTitle,
                    {contingencyFinal,
                     text("Final rule (summary): The applications and data criticality analysis, an addressable "
                          "implementation specification, assesses the relative criticality of specific applications "
                          "and data in support of the other components of the contingency plan."),
                     rule("164.308(a)(7)(ii)(E)")}}),
              "Applications and data criticality analysis"),
        file("RefEV1.Dat"),
        built({rule("164.308(b)(4)")}, "Written contract or other arrangement"),
    };
}
