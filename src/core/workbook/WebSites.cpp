#include "core/workbook/WebSites.h"

namespace WebSites {

const Site &site(int index)
{
    static const Site sites[Count] = {
        {QStringLiteral("Office of Civil Rights"), QStringLiteral("https://www.hhs.gov/hipaa/index.html")},
        {QStringLiteral("U.S. Department of Health and Human Resources"),
         QStringLiteral("https://www.hhs.gov/hipaa/for-professionals/index.html")},
        {QStringLiteral("Centers for Medicare & Medicaid Services (CMS)"),
         QStringLiteral("https://www.cms.gov/Regulations-and-Guidance/Administrative-Simplification/HIPAA-ACA")},
        {QStringLiteral("NIST SP 800-66 Rev. 2: Implementing the HIPAA Security Rule"),
         QStringLiteral("https://csrc.nist.gov/pubs/sp/800/66/r2/final")},
        {QStringLiteral("HHS Security Risk Assessment Tool"),
         QStringLiteral("https://www.healthit.gov/topic/privacy-security-and-hipaa/security-risk-assessment-tool")},
    };
    return sites[qBound(0, index, Count - 1)];
}

} // namespace WebSites
