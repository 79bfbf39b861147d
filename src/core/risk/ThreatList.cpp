#include "core/risk/ThreatList.h"

namespace {

struct GroupTexts {
    const char *group;
    QList<const char *> threats;
};

const QList<GroupTexts> &builtInTexts()
{
    static const QList<GroupTexts> texts{
        {"Natural",
         {"Flood", "Fire caused by lightning or wildfire", "Severe storm or hurricane", "Earthquake",
          "Pandemic keeping staff away"}},
        {"Human accidental",
         {"Records sent to the wrong recipient", "Data deleted or overwritten by mistake",
          "Device lost or left behind", "Misconfigured system or access rights",
          "Documents left in view or not shredded"}},
        {"Human deliberate",
         {"Theft of a device or paper records", "Ransomware or other malicious software",
          "Phishing or social engineering", "Misuse of access by a workforce member",
          "Break-in to the premises", "Hacking of an online service or account"}},
        {"Environmental",
         {"Power failure", "Water leak or burst pipe", "Heat or failed air conditioning",
          "Building damage or closure", "Loss of the internet connection"}},
        {"Technical",
         {"Hard disk or server failure", "Software fault or failed update", "Backup that cannot be restored",
          "Unsupported or unpatched system", "Failure of a vendor's hosted service"}},
    };
    return texts;
}

} // namespace

QStringList ThreatList::groups()
{
    QStringList list;
    for (const GroupTexts &texts : builtInTexts())
        list << QString::fromLatin1(texts.group);
    return list;
}

const QList<ThreatList::Threat> &ThreatList::builtIn()
{
    static const QList<Threat> threats = [] {
        QList<Threat> list;
        for (const GroupTexts &texts : builtInTexts())
            for (const char *name : texts.threats)
                list.append({QString::fromLatin1(name), QString::fromLatin1(texts.group), true});
        return list;
    }();
    return threats;
}

bool ThreatList::add(const QString &name, const QString &group)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || !groups().contains(group) || !groupOf(trimmed).isEmpty())
        return false;
    m_threats.append({trimmed, group, false});
    return true;
}

QString ThreatList::groupOf(const QString &name) const
{
    for (const Threat &threat : m_threats)
        if (threat.name.compare(name, Qt::CaseInsensitive) == 0)
            return threat.group;
    return {};
}
