// References of the items of §§ 164.310 to 164.316: content files, or the final rule's preamble discussion
// summarised in our own words (every summary line says so), followed by the item's regulation paragraphs.
#include "reports/ReferenceLines.h"
#include "reports/ReferenceParts.h"

using namespace ReferenceLines;
using ReferenceTable::blank;
using ReferenceTable::rule;
using ReferenceTable::text;

namespace {

const Line facilityAccess = text("2. Facility Access Controls (§ 164.310(a)(1))");
const Line workstationSecurity = text("4. Workstation Security (§ 164.310(c))");
const Line deviceMedia = text("5. Device and Media Controls (§ 164.310(d)(1))");

const Line facilityProposal = text(
    "Proposal (summary): The 1998 proposal required physical access controls (limited access), with implementation "
    "features for disaster recovery, emergency mode operation, equipment control into and out of the site, a "
    "facility security plan, procedures for verifying access authorizations before physical access, maintenance "
    "records, need-to-know procedures for personnel access, sign-in for visitors and escort where appropriate, and "
    "testing and revision.");
const Line facilityFinal = text(
    "Final rule (summary): The final rule adopts facility access controls as a standard in § 164.310(a)(1), with "
    "four addressable implementation specifications: contingency operations, facility security plan, access "
    "control and validation procedures, and maintenance records.");
const Line mediaProposal = text(
    "Proposal (summary): The 1998 proposal required media controls, with access control, accountability (a "
    "tracking mechanism), data backup, data storage and disposal as implementation features, all to be "
    "implemented.");

std::vector<Line> facility(const char *specification)
{
    return {S310, O2, rule("164.310(a)(1)"), I2, rule(specification)};
}
std::vector<Line> media(const char *specification)
{
    return {S310, O2, rule("164.310(d)(1)"), I2, rule(specification)};
}
std::vector<Line> preamble(std::initializer_list<Line> lines, std::vector<Line> paragraphs)
{
    return join({std::vector<Line>(lines), std::move(paragraphs)});
}

std::vector<ReferenceTable::Source> physical()
{
    return {
        built(preamble({facilityAccess, blank(), facilityProposal, facilityFinal}, facility("164.310(a)(2)(i)")),
              "Contingency operations"),
        file("RefFS1.Dat"),
        built(preamble({facilityFinal,
                        text("Change note (summary): The proposed procedures for verifying access authorizations "
                             "before physical access correspond to access control and validation procedures."),
                        text("Change note (summary): The proposed need-to-know procedures for personnel access "
                             "correspond to controlling a person's access according to role or function."),
                        text("Change note (summary): The proposed sign-in for visitors and escort corresponds to "
                             "the visitor control these procedures include."),
                        text("Change note (summary): The proposed testing and revision feature corresponds to the "
                             "control of access to software programs for testing and revision.")},
                       facility("164.310(a)(2)(iii)")),
              "access control and validation procedures"),
        built(preamble({facilityAccess, blank(), facilityProposal,
                        text("Preamble (summary): Maintenance records document repairs and modifications to the "
                             "physical components of a facility that relate to security, such as hardware, walls, "
                             "doors and locks."),
                        text("Change note (summary): Maintenance records, a mandatory feature of the proposed "
                             "physical access controls, become an addressable implementation specification.")},
                       facility("164.310(a)(2)(iv)")),
              "Maintenance Records"),
        file("RefWU1.Dat"),
        built(preamble({workstationSecurity, blank(),
                        text("Proposal (summary): The 1998 proposal required a secure workstation location among "
                             "the physical safeguards."),
                        text("Comment (summary): Commenters pointed out that workstations cannot always be placed "
                             "in a secure location, for example where they are needed in patient care areas."),
                        text("Response (summary): The final standard asks for physical safeguards for all "
                             "workstations that access electronic protected health information, to restrict access "
                             "to authorized users; it does not prescribe a particular location."),
                        text("Change note (summary): Secure workstation location becomes the workstation security "
                             "standard.")},
                       {S310, O2, rule("164.310(c)")}),
              "Workstation Security"),
        built(preamble({deviceMedia, blank(), mediaProposal,
                        text("Change note (summary): Media controls become device and media controls, covering "
                             "hardware as well as electronic media; disposal remains required.")},
                       media("164.310(d)(2)(i)")),
              "Disposal"),
        built(preamble({deviceMedia, blank(), mediaProposal,
                        text("Change note (summary): Media re-use, the removal of electronic protected health "
                             "information from media before they are re-used, is a required implementation "
                             "specification that the proposal did not list.")},
                       media("164.310(d)(2)(ii)")),
              "Media re-use"),
        built(preamble({text("Comment (summary): Commenters were concerned about the burden of tracking every "
                             "movement of hardware and electronic media."),
                        text("Response (summary): Accountability is addressable, so that each entity decides how "
                             "far a record of movements is reasonable and appropriate for its equipment and media.")},
                       media("164.310(d)(2)(iii)")),
              "Accountability"),
        built(preamble({text("Change note (summary): The proposed data backup and data storage features of media "
                             "controls are combined into data backup and storage, an addressable implementation "
                             "specification.")},
                       media("164.310(d)(2)(iv)")),
              "Data backup and storage"),
    };
}

} // namespace

std::vector<ReferenceTable::Source> ReferenceParts::otherReferences()
{
    std::vector<ReferenceTable::Source> items = physical();
    for (ReferenceTable::Source &source : technicalReferences())
        items.push_back(std::move(source));
    items.push_back(file("OrgReq1.Dat"));
    items.push_back(file("OrgRef2.Dat"));
    items.push_back(built(
        {text("Change note (summary): The requirements for group health plans were not part of the 1998 proposal. "
              "The final rule adds them in § 164.314(b), so that the plan documents require the plan sponsor to "
              "safeguard the electronic protected health information it receives, alongside the Privacy Rule's "
              "provisions on plan sponsors in § 164.504(f)."),
         rule("164.314(b)(1)"), rule("164.314(b)(2)"), rule("164.314(b)(2)(i)"), rule("164.314(b)(2)(ii)"),
         rule("164.314(b)(2)(iii)"), rule("164.314(b)(2)(iv)")},
        "Requirements for group health plans"));
    items.push_back(file("PPReq1.Dat"));
    items.push_back(file("PPReq1.Dat"));
    return items;
}
