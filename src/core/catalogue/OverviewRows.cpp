#include "core/catalogue/OverviewRows.h"

#include "core/catalogue/Catalogue.h"

namespace OverviewRows {

namespace {

const QString blank = QStringLiteral(" ");

QList<Row> administrative()
{
    return {
        {{"Security Management Process"}, "164.308(a)(1)",
         {"Risk Analysis", "Risk Management", "Sanction Policy", "Information System Activity Review"}, 4, 1, 0.165},
        {{"Assigned Security Responsiblity"}, "164.308(a)(2)", {blank}, 1, 5, 0},
        {{"Workforce Security"}, "164.308(a)(3)",
         {"Authorization and/or Supervision", "Workforce Clearance Procedure", "Termination Procedures"}, 3, 6, 0.125},
        {{"Information Access Management"}, "164.308(a)(4)",
         {"Isolating Health Care Clearinghouse Function", "Acsess Authorization", "Access Establishment and Modification"},
         3, 9, 0.125},
        {{"Security Awareness and Training"}, "164.308(a)(5)",
         {"Security Reminders", "Protection from Malicious Software", "Log-in Monitoring", "Password Management"}, 4, 12,
         0.165},
        {{"Security Incident Procedures"}, "164.308(a)(6)", {"Response and Reporting"}, 1, 16, 0},
        {{"Contingency Plan"}, "164.308(a)(7)",
         {"Data Backup Plan", "Disaster Recovery Plan", "Emergency Mode Operation Plan", "Testing and Revision Procedure",
          "Applications and Data Criticality Analysis"},
         5, 17, 0.21},
        {{"Evaluation"}, "164.308(a)(8)", {blank}, 1, 22, 0},
        {{"Business Associate Contracts And", "Other Arrangements"}, "164.308(b)(1)", {"Written Contract or Other Arrangement"},
         1, 23, 0.09},
    };
}

QList<Row> physical()
{
    return {
        {{"Facility Access Controls"}, "164.310(a)(1)",
         {"Contingency Operation", "Facility Security Plan", "Access Control & Validation Procedures", "Maintenance Records"},
         4, 24, 0.165},
        {{"Workstation Use"}, "164.310(b)", {blank}, 1, 28, 0},
        {{"WorkStation Security"}, "164.310(c)", {blank}, 1, 29, 0},
        {{"Device and Media Controls"}, "164.310(d)(1)", {"Disposal", "Media Re-use", "Accountability", "Data Backup and Storage"},
         4, 30, 0.168},
    };
}

QList<Row> technical()
{
    return {
        {{"Access Control"}, "164.312(a)(1)",
         {"Unique User Identification", "Emergency Access Procedure", "Automatic Logoff", "Encryption and Decryption"}, 4,
         34, 0.165},
        {{"Audit Controls"}, "164.312(b)", {blank}, 1, 38, 0},
        {{"Integrity"}, "164.312(c)(1)", {"Mechanism to Authenticate Electronic PHI"}, 1, 39, 0},
        {{"Person or Entity Authentication"}, "164.312(d)", {blank}, 1, 40, 0},
        {{"Transmission Security"}, "164.312(e)(1)", {"Integrity Controls", "Encryption"}, 2, 41, 0.09},
    };
}

const QString lineBreak = QStringLiteral("\r\n");

} // namespace

QStringList header()
{
    return {"Standards", "Section", "Implementation Specifications", "*", "Current Status"};
}

const QList<Row> &rows(int category)
{
    static const QList<QList<Row>> all{administrative(), physical(), technical()};
    static const QList<Row> none;
    return category >= 0 && category < all.size() ? all[category] : none;
}

QString heading(int category)
{
    static const QStringList names{"Administrative Safeguards", "Physical Safeguards", "Technical Safeguards"};
    static const QStringList parts{"164.308", "164.310", "164.312"};
    if (category < 0 || category >= names.size())
        return {};
    return names[category] + QChar(0x00A7) + parts[category];
}

QStringList cells(const Row &row, const StatusTable &statuses)
{
    QStringList letters;
    QStringList status;
    for (int i = 0; i < row.count; ++i) {
        letters << QString(QLatin1Char(Catalogue::item(row.firstNumber + i)->requirement()));
        const auto n = static_cast<std::size_t>(row.firstNumber + i);
        status << (n < statuses.size() ? statuses[n] : QString());
    }
    return {row.standard.join(lineBreak), row.section, row.specification.join(lineBreak), letters.join(lineBreak),
            status.join(lineBreak)};
}

QString text(const Row &row, const StatusTable &statuses)
{
    return cells(row, statuses).join(QLatin1Char('\t'));
}

} // namespace OverviewRows
