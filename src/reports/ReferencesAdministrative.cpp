// References of the items of § 164.308: content files, or the final rule's preamble discussion summarised in
// our own words (every summary line says so), followed by the item's regulation paragraphs.
#include "reports/ReferenceLines.h"
#include "reports/ReferenceParts.h"

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

const Line deletingSpecifications = text(
    "Response (summary): Many commenters asked that particular proposed implementation features be deleted as too "
    "detailed or too costly. The final rule answers this by reducing and regrouping the implementation "
    "specifications and by making many of them addressable, so that each entity weighs them against its own "
    "circumstances.");
const Line securityManagementProposal = text(
    "Proposal (summary): The 1998 proposed rule required a security management process, with risk analysis, risk "
    "management, a sanction policy and a security policy as its implementation features.");
const Line securityManagementFinal = text(
    "Final rule (summary): The final rule adopts the security management process as a standard in "
    "§ 164.308(a)(1)(i), with four required implementation specifications: risk analysis, risk management, "
    "sanction policy and information system activity review.");
const Line securityManagementChange = text(
    "Change note (summary): Information system activity review is added to this standard. The proposed security "
    "policy is not kept as a separate implementation specification here; written policies and procedures are "
    "dealt with in § 164.316.");

const Line workforceProposal = text(
    "Proposal (summary): The 1998 proposal contained a personnel security requirement whose implementation "
    "features dealt with the supervision of maintenance personnel, records of access authorizations, proper access "
    "authorization of operating and maintenance personnel, a personnel clearance procedure, personnel security "
    "policies and procedures, and security training of system users.");

const Line awarenessProposal = text(
    "Proposal (summary): The 1998 proposal required security awareness training for all personnel, with periodic "
    "security reminders and user education concerning virus protection, the monitoring of log-in success and "
    "failure with the reporting of discrepancies, and password management.");

const Line contingencyProposal = text(
    "Proposal (summary): The 1998 proposal required a contingency plan, with an applications and data criticality "
    "analysis, a data backup plan, a disaster recovery plan, an emergency mode operation plan, and testing and "
    "revision as its implementation features.");
const Line contingencyFinal = text(
    "Final rule (summary): The final rule adopts the contingency plan as a standard in § 164.308(a)(7)(i). The "
    "data backup plan, disaster recovery plan and emergency mode operation plan are required; testing and revision "
    "procedures and the applications and data criticality analysis are addressable.");

const std::vector<Line> workforceParagraphs{S308, O1, rule("164.308(a)(3)(i)"), I1};
const std::vector<Line> contingencyTitle{contingencyPlan, blank(), contingencyProposal};

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
        built(fromPreamble({deletingSpecifications, securityManagement, blank(), securityManagementProposal,
                            securityManagementFinal, securityManagementChange},
                           {S308, O1, I1, rule("164.308(a)(1)(ii)(D)")}),
              "Information System Activity Review"),
        built({assignedResponsibility, blank(),
               text("Comment (summary): Commenters asked whether the security responsibility could be assigned to "
                    "more than one person or to an organization, as the proposal had allowed."),
               text("Response (summary): Final responsibility for security must rest with one individual, the "
                    "security official; other persons may still be given specific security duties."),
               text("Comment (summary): Commenters asked whether the security official may be the same person as "
                    "the privacy official required by the Privacy Rule."),
               text("Response (summary): The same person may fill both roles.")},
              "Assigned Security Responsibility"),
        built(fromPreamble(
                  {workforceSecurity, blank(), workforceProposal,
                   text("Final rule (summary): The final rule adopts workforce security as a standard in "
                        "§ 164.308(a)(3)(i), with three addressable implementation specifications: authorization "
                        "and/or supervision, workforce clearance procedure and termination procedures."),
                   text("Comment (summary): Commenters found the proposed personnel security features too detailed "
                        "and costly, particularly for small providers."),
                   text("Response (summary): The implementation specifications of this standard are addressable: "
                        "each entity decides whether each one is reasonable and appropriate for it and documents "
                        "what it does instead when it is not."),
                   text("Change note (summary): Personnel security is renamed workforce security, and termination "
                        "procedures, proposed as a separate requirement, become one of its implementation "
                        "specifications.")},
                  join({workforceParagraphs, {rule("164.308(a)(3)(ii)(A)")}})),
              "Authorization and/or Supervision"),
        built(fromPreamble(
                  {text("Comment (summary): Commenters read the proposed personnel clearance procedure as requiring "
                        "background checks on all staff, and objected to the cost."),
                   text("Response (summary): The rule does not require background checks. Whether and how far to "
                        "screen workforce members is for the covered entity to decide in light of its own risks, "
                        "and the implementation specification is addressable."),
                   text("Change note (summary): The personnel clearance procedure becomes the workforce clearance "
                        "procedure, an addressable implementation specification of workforce security.")},
                  join({workforceParagraphs, {rule("164.308(a)(3)(ii)(B)")}})),
              "Workforce clearance procedure"),
        file("RefTM1.Dat"),
        built({rule("164.308(a)(4)(ii)(A)", 3)}, "Isolating health care clearinghouse functions"),
        file("RefAA1.Dat"),
        file("RefAE1.Dat"),
        built({awarenessTraining, blank(), awarenessProposal,
               text("Comment (summary): Commenters asked whether persons outside the workforce, such as "
                    "consultants and business associates, must also be trained."),
               text("Response (summary): The training program is required for the entity's own workforce, "
                    "management included; a covered entity is not required to train business associates or others "
                    "who are not members of its workforce."),
               rule("164.308(a)(5)(ii)(A)")},
              "Security Reminders"),
        built({awarenessTraining, blank(), awarenessProposal,
               text("Final rule (summary): The final rule adopts security awareness and training as a standard in "
                    "§ 164.308(a)(5)(i), with four addressable implementation specifications: security reminders, "
                    "protection from malicious software, log-in monitoring and password management."),
               rule("164.308(a)(5)(ii)(B)")},
              "protection from malicious software"),
        built({rule("164.308(a)(5)(ii)(C)")}, "Log-in monitoring"),
        built({awarenessTraining, blank(), awarenessProposal, rule("164.308(a)(5)(ii)(D)")}, "password management"),
        built({text("Comment (summary): Commenters said that the proposal made too many implementation features "
                    "mandatory."),
               text("Response (summary): The final rule reduces the number of implementation specifications and "
                    "makes many of them addressable; security incident procedures keep a single required "
                    "specification, response and reporting."),
               text("Comment (summary): Commenters asked what counts as a security incident and how much of each "
                    "incident must be reported and documented."),
               text("Response (summary): Security incident is defined in § 164.304. How incidents are identified, "
                    "documented and reported within the entity is left to its own policies and procedures."),
               rule("164.308(a)(6)(ii)")},
              "response and reporting"),
        built(join({contingencyTitle,
                    {text("Comment (summary): Commenters were concerned about the cost and scope of the contingency "
                          "planning the proposal required."),
                     text("Response (summary): The standard is scalable: an entity establishes, and implements as "
                          "needed, policies and procedures that fit its size and systems, and two of the "
                          "implementation specifications are addressable."),
                     rule("164.308(a)(7)(ii)(A)")}}),
              "data backup plan"),
        built(join({contingencyTitle,
                    {rule("164.308(a)(7)(ii)(B)"), S310, O2, rule("164.310(a)(1)"), I2, rule("164.310(a)(2)(i)")}}),
              "disaster recovery plan"),
        built(join({contingencyTitle,
                    {text("Comment (summary): Commenters asked what an emergency mode operation plan has to cover."),
                     text("Response (summary): The plan concerns the critical business processes that must go on, "
                          "while the entity operates in emergency mode, in a way that protects the security of "
                          "electronic protected health information."),
                     rule("164.308(a)(7)(ii)(C)", 3)}}),
              "Emergency mode operation plan"),
        built(join({contingencyTitle,
                    {contingencyFinal,
                     text("Change note (summary): The proposed testing and revision feature becomes the addressable "
                          "specification testing and revision procedures, for the periodic testing and revision of "
                          "contingency plans."),
                     rule("164.308(a)(7)(ii)(D)")}}),
              "testing and revision procedures"),
        built(join({contingencyTitle,
                    {contingencyFinal,
                     text("Comment (summary): Commenters questioned whether an applications and data criticality "
                          "analysis should be mandatory for every entity."),
                     text("Response (summary): The implementation specification is addressable, so that each entity decides how "
                          "far such an analysis is reasonable and appropriate for it."),
                     text("Preamble (summary): The analysis assesses how critical specific applications and data "
                          "are, so that the contingency plan deals first with what the entity cannot do without."),
                     text("Preamble (summary): It is made in support of the other components of the contingency "
                          "plan: data backup, disaster recovery and emergency mode operation."),
                     text("Change note (summary): The proposed applications and data criticality analysis is kept "
                          "under the same name as an addressable implementation specification."),
                     rule("164.308(a)(7)(ii)(E)")}}),
              "Applications and data criticality analysis"),
        file("RefEV1.Dat"),
        built({rule("164.308(b)(4)")}, "Written contract or other arrangement"),
    };
}
