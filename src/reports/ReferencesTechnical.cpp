// References of the items of § 164.312: the final rule's preamble discussion summarised in our own words
// (every summary line says so), followed by the item's regulation paragraphs.
#include "reports/ReferenceLines.h"
#include "reports/ReferenceParts.h"

using namespace ReferenceLines;
using ReferenceTable::blank;
using ReferenceTable::rule;
using ReferenceTable::text;

namespace {

const Line accessControl = text("1. Access Control (§ 164.312(a)(1))");
const Line auditControls = text("2. Audit Controls (§ 164.312(b))");
const Line personAuthentication = text("4. Person or Entity Authentication (§ 164.312(d))");
const Line transmissionSecurity = text("5. Transmission Security (§ 164.312(e)(1))");

const std::vector<Line> technicalOpening{
    text("G. Technical Safeguards (§ 164.312)"), blank(),
    text("Preamble (summary): The proposal's technical security services and technical security mechanisms are "
         "brought together in the final rule as the technical safeguards of § 164.312."),
    text("Preamble (summary): The technical safeguards consist of five standards: access control, audit controls, "
         "integrity, person or entity authentication and transmission security. The proposed authorization control "
         "is moved to information access management in § 164.308(a)(4)."),
};

std::vector<Line> access(const char *specification)
{
    return {S312, O2, rule("164.312(a)(1)"), I2, rule(specification)};
}

std::vector<Line> audit()
{
    return join({technicalOpening,
                 {auditControls, blank(),
                  text("Proposal (summary): The 1998 proposal listed audit controls among the technical security "
                       "services, to record and examine system activity."),
                  text("Comment (summary): Commenters asked how much activity must be audited."),
                  text("Response (summary): The rule does not set the extent of auditing; each entity decides it "
                       "in light of its risk analysis and its systems."),
                  text("Comment (summary): Commenters were concerned about the cost of audit trails on existing "
                       "systems."),
                  text("Response (summary): The standard is technology neutral and may be met by hardware, "
                       "software and/or procedural mechanisms."),
                  text("Comment (summary): Commenters asked that audit controls not be mandatory."),
                  text("Response (summary): Audit controls remain a required standard, but the entity chooses the "
                       "mechanisms that suit it."),
                  text("Note (summary): Audit controls are a standard without implementation specifications."),
                  text("Change note (summary): The final text calls for mechanisms that record and examine activity "
                       "in information systems that contain or use electronic protected health information."),
                  S312, O2, rule("164.312(b)")}});
}

std::vector<Line> authentication()
{
    return join({technicalOpening,
                 {personAuthentication, blank(),
                  text("Proposal (summary): The 1998 proposal required entity authentication, with automatic logoff "
                       "and unique user identification mandatory and at least one of biometric identification, "
                       "password, PIN, telephone callback or token."),
                  text("Final rule (summary): The final rule adopts person or entity authentication as a standard "
                       "in § 164.312(d): procedures to verify that a person or entity seeking access to electronic "
                       "protected health information is the one claimed."),
                  text("Comment (summary): Commenters asked that authentication not be tied to the particular "
                       "methods the proposal listed."),
                  text("Response (summary): The final standard is technology neutral and names no authentication "
                       "method; the entity chooses the means that suit its systems."),
                  text("Note (summary): The methods listed in the proposal remain possible ways of meeting the "
                       "standard."),
                  text("Change note (summary): Entity authentication becomes person or entity authentication; "
                       "automatic logoff and unique user identification are moved to access control."),
                  S312, O2, rule("164.312(d)")}});
}

std::vector<Line> transmission()
{
    return join({technicalOpening,
                 {transmissionSecurity, blank(),
                  text("Proposal (summary): The 1998 proposal set out communications and network controls among the "
                       "technical security mechanisms, for information sent over communications networks, including "
                       "integrity controls, message authentication and either access controls or encryption."),
                  text("Final rule (summary): The final rule adopts transmission security as a standard in "
                       "§ 164.312(e)(1), with two addressable implementation specifications: integrity controls and "
                       "encryption."),
                  text("Comment (summary): Commenters objected to a requirement to encrypt all transmissions of "
                       "health information."),
                  text("Response (summary): Encryption is addressable: each entity decides, on the basis of its "
                       "risk analysis, when it is appropriate to encrypt what it sends."),
                  text("Change note (summary): Communications and network controls become the transmission security "
                       "standard."),
                  text("Change note (summary): The other proposed network features are not kept as separate "
                       "implementation specifications."),
                  S312, O2, rule("164.312(e)(1)"), I2, rule("164.312(e)(2)(i)")}});
}

} // namespace

std::vector<ReferenceTable::Source> ReferenceParts::technicalReferences()
{
    return {
        built(join({{accessControl, blank(),
                     text("Proposal (summary): The 1998 proposal required access control with a procedure for "
                          "emergency access and at least one of context-based, role-based or user-based access, and "
                          "listed encryption as optional."),
                     text("Final rule (summary): The final rule adopts access control as a standard in "
                          "§ 164.312(a)(1): unique user identification and the emergency access procedure are "
                          "required, automatic logoff and encryption and decryption are addressable."),
                     text("Change note (summary): Unique user identification, proposed under entity "
                          "authentication, is moved to access control.")},
                    access("164.312(a)(2)(i)")}),
              "Unique user identification"),
        built(access("164.312(a)(2)(ii)"), "Emergency access procedure"),
        built(join({{text("Comment (summary): Commenters said that automatic logoff is not appropriate in every "
                          "setting, for example on workstations that must stay available in patient care areas."),
                     text("Response (summary): The implementation specification is addressable and is written in terms of "
                          "electronic procedures that end a session after a predetermined time of inactivity, "
                          "without prescribing a mechanism."),
                     text("Change note (summary): Automatic logoff, proposed under entity authentication, is moved "
                          "to access control.")},
                    access("164.312(a)(2)(iii)")}),
              "Automatic logoff"),
        built(join({{text("Change note (summary): Encryption, an optional feature of the proposed access control, "
                          "becomes the addressable specification encryption and decryption.")},
                    access("164.312(a)(2)(iv)")}),
              "Encryption and decryption"),
        built(audit(), "Audit controls"),
        built({S312, O2, rule("164.312(c)(1)"), rule("164.312(c)(2)")},
              "Mechanism to authenticate electronic protected health information"),
        built(authentication(), "Person or entity authentication"),
        built(transmission(), "Integrity controls"),
        file("RefEnc1.Dat"),
    };
}
