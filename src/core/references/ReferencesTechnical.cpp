// References of the items of § 164.312: summaries in our own words of the final rule's preamble and of the
// regulation (every summary line says so), followed by the item's regulation paragraphs.
#include "core/references/ReferenceLines.h"
#include "core/references/ReferenceParts.h"

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
    text("Preamble (summary): The proposal's technical services and mechanisms are brought together in the final "
         "rule as the technical safeguards of § 164.312."),
    text("Preamble (summary): This section covers the five technical safeguard standards: access control, audit "
         "controls, integrity, person or entity authentication and transmission security. The proposed "
         "authorization control is moved to information access management in § 164.308(a)(4)."),
};

std::vector<Line> access(const char *specification)
{
    return {S312, O2, rule("164.312(a)(1)"), I2, rule(specification)};
}

std::vector<Line> audit()
{
    return join({technicalOpening,
                 {auditControls, blank(),
                  text("Note (summary): Audit controls are a standard without implementation specifications."),
                  text("Final rule (summary): The standard calls for hardware, software and/or procedural mechanisms "
                       "that record and examine activity in information systems that contain or use electronic "
                       "protected health information."),
                  S312, O2, rule("164.312(b)")}});
}

std::vector<Line> authentication()
{
    return join({technicalOpening,
                 {personAuthentication, blank(),
                  text("Final rule (summary): The final rule adopts person or entity authentication as a standard "
                       "in § 164.312(d): procedures to verify that a person or entity seeking access to electronic "
                       "protected health information is the one claimed."),
                  text("Note (summary): Person or entity authentication is a standard without implementation "
                       "specifications."),
                  S312, O2, rule("164.312(d)")}});
}

std::vector<Line> transmission()
{
    return join({technicalOpening,
                 {transmissionSecurity, blank(),
                  text("Final rule (summary): The final rule adopts transmission security as a standard in "
                       "§ 164.312(e)(1), with two addressable implementation specifications: integrity controls and "
                       "encryption."),
                  text("Final rule (summary): Integrity controls are security measures to ensure that electronically "
                       "transmitted electronic protected health information is not improperly modified without "
                       "detection until it is disposed of."),
                  S312, O2, rule("164.312(e)(1)"), I2, rule("164.312(e)(2)(i)")}});
}

} // namespace

std::vector<ReferenceTable::Source> ReferenceParts::technicalReferences()
{
    return {
        built(join({{accessControl, blank(),
                     text("Preamble (summary): The preamble discusses the access control standard, "
                          "§ 164.312(a)(1), under this heading."),
                     text("Final rule (summary): The final rule adopts access control as a standard in "
                          "§ 164.312(a)(1): unique user identification and the emergency access procedure are "
                          "required, automatic logoff and encryption and decryption are addressable.")},
                    access("164.312(a)(2)(i)")}),
              "Unique user identification"),
        built(access("164.312(a)(2)(ii)"), "Emergency access procedure"),
        built(join({{text("Final rule (summary): Automatic logoff, an addressable implementation specification, "
                          "calls for electronic procedures that end an electronic session after a predetermined "
                          "time of inactivity.")},
                    access("164.312(a)(2)(iii)")}),
              "Automatic logoff"),
        built(join({{text("Final rule (summary): Encryption and decryption, an addressable implementation "
                          "specification of access control, calls for a mechanism to encrypt and decrypt electronic "
                          "protected health information.")},
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
