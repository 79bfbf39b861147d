#include "core/rule/RuleData.h"

#include <QFile>
#include <QHash>

namespace RuleData {

namespace {

struct Regulation
{
    QHash<QString, QString> lines;
    QStringList order;
};

// One "citation<TAB>text" line per paragraph, UTF-8.
Regulation parse(const QByteArray &bytes)
{
    Regulation regulation;
    for (const QByteArray &raw : bytes.split('\n')) {
        const qsizetype tab = raw.indexOf('\t');
        if (tab <= 0)
            continue;
        const QString citation = QString::fromUtf8(raw.left(tab));
        QString text = QString::fromUtf8(raw.mid(tab + 1));
        if (text.endsWith(u'\r'))
            text.chop(1);
        if (!regulation.lines.contains(citation))
            regulation.order.append(citation);
        regulation.lines.insert(citation, text);
    }
    return regulation;
}

Regulation load(const QString &resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? parse(file.readAll()) : Regulation{};
}

const Regulation &regulation(Edition edition)
{
    static const Regulation adopted = load(QStringLiteral(":/rule/security-rule-2003.txt"));
    static const Regulation amended = load(QStringLiteral(":/rule/security-rule-amended.txt"));
    return edition == Edition::Amended2013 ? amended : adopted;
}

} // namespace

QString line(const QString &citation, Edition edition)
{
    return regulation(edition).lines.value(citation);
}

bool contains(const QString &citation, Edition edition)
{
    return regulation(edition).lines.contains(citation);
}

const QStringList &citations(Edition edition)
{
    return regulation(edition).order;
}

Change change(const QString &citation)
{
    const auto &before = regulation(Edition::Adopted2003).lines;
    const auto &after = regulation(Edition::Amended2013).lines;
    const auto old = before.constFind(citation);
    const auto now = after.constFind(citation);
    if (old == before.cend())
        return now == after.cend() ? Change::Unchanged : Change::Added;
    if (now == after.cend())
        return Change::Removed;
    return *old == *now ? Change::Unchanged : Change::Changed;
}

QString block(const QString &citation, int indent)
{
    return QString(indent, u' ') + line(citation);
}

} // namespace RuleData
