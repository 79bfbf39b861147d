#include "core/reports/StatusReportRows.h"

namespace StatusReportRows {

namespace {

const Table administrative{
    "ADMINISTRATIVE SAFEGUARDS ",
    "164.308",
    {
        {"Security Management Process", "164.308(a)(1)", "Risk Analysis", 1, true},
        {"", "", "Risk Management", 2, false},
        {"", "", "Sanction Policy", 3, false},
        {"", "", "Information System Activity Review", 4, false},
        {"Assigned Security Responsibility", "164.308(a)(2)", "", 5, true},
        {"Workforce Security", "164.308(a)(3)", "Authorization and/or Supervision", 6, true},
        {"", "", "Workforce Clearance Procedure", 7, false},
        {"", "", "Termination Procedures", 8, false},
        {"Information Access Management", "164.308(a)(4)", "Isolating Health Care Clearinghouse Function",
         9, true},
        {"", "", "Access Authorization", 10, false},
        {"", "", "Access Establishment and Modification", 11, false},
        {"Security Awareness and Training", "164.308(a)(5)", "Security Reminders", 12, true},
        {"", "", "Protection from Malicious Software", 13, false},
        {"", "", "Log-in Monitoring", 14, false},
        {"", "", "Password Management", 15, false},
        {"Security Incident Proceedures", "164.308(a)(6)", "Response and Reporting", 16, true},
        {"Contingency Plan", "164.308(a)(7)", "Data Backup Plan", 17, true},
        {"", "", "Disaster Recovery Plan", 18, false},
        {"", "", "Emergency Mode Operation Plan", 19, false},
        {"", "", "Testing and Revision Procedure", 20, false},
        {"", "", "Applications and Data Criticality Analysis", 21, false},
        {"Evaluation", "164.308(a)(8)", "", 22, true},
        {"Business Associate Contracts And", "164.308(b)(1)", "Written Contract or Other Arrangements", 23, true},
        {"Other Arrangements", nullptr, nullptr, 0, false},
    }};

const Table physical{"PHYSICAL SAFEGUARDS ",
                     "164.310",
                     {
                         {"Facility Access Control", "164.310(a)(1)", "Contingency Operation", 24, true},
                         {"", "", "Facility Security Plan", 25, false},
                         {"", "", "Access Control & Validation", 26, false},
                         {"", "", "Maintenance Records", 27, false},
                         {"Workstation Use", "164.310(b)", "", 28, true},
                         {"Workstation Security", "164.310(c)", "", 29, true},
                         {"Device and Media Control", "164.310(d)(1)", "Disposal", 30, true},
                         {"", nullptr, "Media Re-use", 31, false},
                         {"", nullptr, "Accountability", 32, false},
                         {"", nullptr, "Data Backup and Storage", 33, false},
                     }};

const Table technical{
    "TECHNICAL SAFEGUARDS ",
    "164.312",
    {
        {"Access Control", "164.312(a)(1)", "Unique User Identification", 34, true},
        {"", "", "Emergency Access Procedure", 35, false},
        {"", "", "Automatic Logoff", 36, false},
        {"", "", "Encryption and Decryption", 37, false},
        {"Audit Controls", "164.312(b)", "", 38, true},
        {"Integrity", "164.312(c)(1)", "Mechanism to Authenticate Electronic PHI", 39, true},
        {"Person or entity Authentication", "164.312(d)", "", 40, true},
        {"Transmission Security", "164.312(e)(1)", "Integrity Controls", 41, true},
        {"", nullptr, "Encryption", 42, false},
    }};

} // namespace

const Table &table(int category)
{
    switch (category) {
    case 1:
        return physical;
    case 2:
        return technical;
    default:
        return administrative;
    }
}

} // namespace StatusReportRows
