#include "reports/StatusReportRows.h"

namespace StatusReportRows {

namespace {

const Table administrative{
    "ADMINISTRATIVE SAFEGUARDS ",
    "164.308",
    {
        {"Security Management Process", "164.308(a)(1)", "Risk Analysis", 'R', 1, true},
        {"", "", "Risk Management", 'R', 2, false},
        {"", "", "Sanction Policy", 'R', 3, false},
        {"", "", "Information System Activity Review", 'R', 4, false},
        {"Assigned Security Responsibility", "164.308(a)(2)", "", 'R', 5, true},
        {"Workforce Security", "164.308(a)(3)", "Authorization and/or Supervision", 'A', 6, true},
        {"", "", "Workforce Clearance Procedure", 'A', 7, false},
        {"", "", "Termination Procedures", 'A', 8, false},
        {"Information Access Management", "164.308(a)(4)", "Isolating Health Care Clearinghouse Function",
         'R', 9, true},
        {"", "", "Access Authorization", 'A', 10, false},
        {"", "", "Access Establishment and Modification", 'A', 11, false},
        {"Security Awareness and Training", "164.308(a)(5)", "Security Reminders", 'A', 12, true},
        {"", "", "Protection from Malicious Software", 'A', 13, false},
        {"", "", "Log-in Monitoring", 'A', 14, false},
        {"", "", "Password Management", 'A', 15, false},
        {"Security Incident Proceedures", "164.308(a)(6)", "Response and Reporting", 'R', 16, true},
        {"Contingency Plan", "164.308(a)(7)", "Data Backup Plan", 'R', 17, true},
        {"", "", "Disaster Recovery Plan", 'R', 18, false},
        {"", "", "Emergency Mode Operation Plan", 'R', 19, false},
        {"", "", "Testing and Revision Procedure", 'A', 20, false},
        {"", "", "Applications and Data Criticality Analysis", 'A', 21, false},
        {"Evaluation", "164.308(a)(8)", "", 'R', 22, true},
        {"Business Associate Contracts And", "164.308(b)(1)", "Written Contract or Other Arrangements", 'R',
         23, true},
        {"Other Arrangements", nullptr, nullptr, 0, 0, false},
    }};

const Table physical{"PHYSICAL SAFEGUARDS ",
                     "164.310",
                     {
                         {"Facility Access Control", "164.310(a)(1)", "Contingency Operation", 'A', 24, true},
                         {"", "", "Facility Security Plan", 'A', 25, false},
                         {"", "", "Access Control & Validation", 'A', 26, false},
                         {"", "", "Maintenance Records", 'A', 27, false},
                         {"Workstation Use", "164.310(b)", "", 'R', 28, true},
                         {"Workstation Security", "164.310(c)", "", 'R', 29, true},
                         {"Device and Media Control", "164.310(d)(1)", "Disposal", 'R', 30, true},
                         {"", nullptr, "Media Re-use", 'R', 31, false},
                         {"", nullptr, "Accountability", 'A', 32, false},
                         {"", nullptr, "Data Backup and Storage", 'A', 33, false},
                     }};

const Table technical{
    "TECHNICAL SAFEGUARDS ",
    "164.312",
    {
        {"Access Control", "164.312(a)(1)", "Unique User Identification", 'R', 34, true},
        {"", "", "Emergency Access Procedure", 'R', 35, false},
        {"", "", "Automatic Logoff", 'A', 36, false},
        {"", "", "Encryption and Decryption", 'A', 37, false},
        {"Audit Controls", "164.312(b)", "", 'R', 38, true},
        {"Integrity", "164.312(c)(1)", "Mechanism to Authenticate Electronic PHI", 'A', 39, true},
        {"Person or entity Authentication", "164.312(d)", "", 'R', 40, true},
        {"Transmission Security", "164.312(e)(1)", "Integrity Controls", 'A', 41, true},
        {"", nullptr, "Encryption", 'A', 42, false},
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
