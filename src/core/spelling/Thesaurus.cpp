#include "core/spelling/Thesaurus.h"

#include <QFile>
#include <mythes.hxx>

namespace {

// Data entries carry remarks such as "(generic term)" after a synonym.
QString cleanSynonym(const char *raw)
{
    QString synonym = QString::fromUtf8(raw);
    const qsizetype remark = synonym.indexOf(QLatin1String(" ("));
    if (remark > 0)
        synonym.truncate(remark);
    return synonym.trimmed();
}

} // namespace

Thesaurus::Thesaurus(const QString &data)
{
    const QString idx = data + QStringLiteral(".idx");
    const QString dat = data + QStringLiteral(".dat");
    if (QFile::exists(idx) && QFile::exists(dat))
        m_thes = std::make_unique<MyThes>(QFile::encodeName(idx).constData(), QFile::encodeName(dat).constData());
}

Thesaurus::~Thesaurus() = default;

QString Thesaurus::defaultData()
{
    return QStringLiteral("/usr/share/mythes/th_en_US_v2");
}

QList<ThesaurusMeaning> Thesaurus::lookup(const QString &word) const
{
    const QString trimmed = word.trimmed();
    QList<ThesaurusMeaning> meanings = lookupExact(trimmed);
    if (meanings.isEmpty() && trimmed != trimmed.toLower())
        meanings = lookupExact(trimmed.toLower());
    return meanings;
}

QList<ThesaurusMeaning> Thesaurus::lookupExact(const QString &word) const
{
    QList<ThesaurusMeaning> out;
    const QByteArray key = word.toUtf8();
    if (!m_thes || key.isEmpty() || key.size() >= MAX_WD_LEN)
        return out;
    mentry *entries = nullptr;
    const int count = m_thes->Lookup(key.constData(), int(key.size()), &entries);
    for (int i = 0; i < count; ++i) {
        ThesaurusMeaning meaning;
        meaning.description = entries[i].defn ? cleanSynonym(entries[i].defn) : QString();
        for (int s = 0; s < entries[i].count; ++s) {
            const QString synonym = cleanSynonym(entries[i].psyns[s]);
            if (!synonym.isEmpty() && !meaning.synonyms.contains(synonym))
                meaning.synonyms.append(synonym);
        }
        out.append(meaning);
    }
    if (count > 0)
        m_thes->CleanUpAfterLookup(&entries, count);
    return out;
}
