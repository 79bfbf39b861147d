// References of the items of §§ 164.310 to 164.316: content files, or summaries in our own words of the final
// rule's preamble and of the regulation (every summary line says so), followed by the item's regulation paragraphs.
#include "core/references/ReferenceLines.h"
#include "core/references/ReferenceParts.h"

using namespace ReferenceLines;
using ReferenceTable::blank;
using ReferenceTable::rule;
using ReferenceTable::text;

namespace {

const Line facilityAccess = text("2. Facility Access Controls (§ 164.310(a)(1))");
const Line workstationSecurity = text("4. Workstation Security (§ 164.310(c))");
const Line deviceMedia = text("5. Device and Media Controls (§ 164.310(d)(1))");

const Line facilityDiscussed = text(
    "Preamble (summary): The preamble discusses the facility access controls standard, § 164.310(a)(1), under "
    "this heading, in section III.F, Physical Safeguards (§ 164.310).");
const Line facilityFinal = text(
    "Final rule (summary): The final rule adopts facility access controls as a standard in § 164.310(a)(1), with "
    "four addressable implementation specifications: contingency operations, facility security plan, access "
    "control and validation procedures, and maintenance records.");
const Line physicalSection = text(
    "Preamble (summary): The preamble discusses § 164.310 in section III.F, Physical Safeguards (§ 164.310).");
const Line mediaFinal = text(
    "Final rule (summary): The device and media controls standard, § 164.310(d)(1), covers hardware as well as "
    "electronic media. Disposal and media re-use are required implementation specifications; accountability and "
    "data backup and storage are addressable.");

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
        built(preamble({facilityAccess, blank(), facilityDiscussed, facilityFinal}, facility("164.310(a)(2)(i)")),
              "Contingency operations"),
        file("RefFS1.Dat"),
        built(preamble({facilityFinal,
                        text("Final rule (summary): Access control and validation procedures control and validate a "
                             "person's access to facilities according to role or function, and include visitor "
                             "control and control of access to software programs for testing and revision.")},
                       facility("164.310(a)(2)(iii)")),
              "access control and validation procedures"),
        built(preamble({facilityAccess, blank(), facilityDiscussed,
                        text("Final rule (summary): Maintenance records, an addressable implementation "
                             "specification, document repairs and modifications to the physical components of a "
                             "facility that relate to security, such as hardware, walls, doors and locks.")},
                       facility("164.310(a)(2)(iv)")),
              "Maintenance Records"),
        file("RefWU1.Dat"),
        built(preamble({workstationSecurity, blank(), physicalSection,
                        text("Final rule (summary): The workstation security standard, § 164.310(c), calls for "
                             "physical safeguards for all workstations that access electronic protected health "
                             "information, to restrict access to authorized users.")},
                       {S310, O2, rule("164.310(c)")}),
              "Workstation Security"),
        built(preamble({deviceMedia, blank(), physicalSection, mediaFinal}, media("164.310(d)(2)(i)")), "Disposal"),
        built(preamble({deviceMedia, blank(), physicalSection, mediaFinal}, media("164.310(d)(2)(ii)")),
              "Media re-use"),
        built(preamble({text("Final rule (summary): Accountability, an addressable implementation specification, "
                             "is a record of the movements of hardware and electronic media and of any person "
                             "responsible for them.")},
                       media("164.310(d)(2)(iii)")),
              "Accountability"),
        built(preamble({text("Final rule (summary): Data backup and storage, an addressable implementation "
                             "specification, calls for a retrievable, exact copy of electronic protected health "
                             "information, when needed, before equipment is moved.")},
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
        {text("Final rule (summary): Under § 164.314(b), a group health plan ensures that its plan documents require "
              "the plan sponsor to reasonably and appropriately safeguard the electronic protected health information "
              "it creates, receives, maintains or transmits on the plan's behalf. The standard does not apply where "
              "the only such information disclosed to the plan sponsor is disclosed under § 164.504(f)(1)(ii) or "
              "(iii) or as authorized under § 164.508."),
         rule("164.314(b)(1)"), rule("164.314(b)(2)"), rule("164.314(b)(2)(i)"), rule("164.314(b)(2)(ii)"),
         rule("164.314(b)(2)(iii)"), rule("164.314(b)(2)(iv)")},
        "Requirements for group health plans"));
    items.push_back(file("PPReq1.Dat"));
    items.push_back(file("PPReq1.Dat"));
    return items;
}
