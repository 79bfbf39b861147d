#include "RuleText.h"

#include <QFile>
#include <QRegularExpression>

namespace ContentGen {

namespace {

bool keyIsUnder(const QString &key, const QString &prefix)
{
    if (!key.startsWith(prefix))
        return false;
    if (key.size() == prefix.size())
        return true;
    const QChar next = key[prefix.size()];
    return next == u'(' || next == u'/' || prefix.endsWith(u'/');
}

} // namespace

RuleEntry::Kind RuleEntry::kind() const
{
    if (key == QLatin1String("appendix-a"))
        return Kind::AppendixTitle;
    if (key.startsWith(QLatin1String("appendix-a/")))
        return Kind::AppendixRow;
    if (!term().isEmpty())
        return Kind::Definition;
    if (!key.contains(u'(') && !key.contains(u'/'))
        return Kind::SectionHeading;
    return Kind::Paragraph;
}

QStringList RuleEntry::designations() const
{
    static const QRegularExpression group(QStringLiteral("\\(([^()]+)\\)"));
    QStringList out;
    for (auto it = group.globalMatch(key); it.hasNext();)
        out.append(it.next().captured(1));
    return out;
}

QString RuleEntry::term() const
{
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0 || key.startsWith(QLatin1String("appendix-a")))
        return {};
    const QString tail = key.mid(slash + 1);
    return text.startsWith(tail) ? tail : QString();
}

bool RuleText::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    return parse(file.readAll(), error);
}

bool RuleText::parse(const QByteArray &bytes, QString *error)
{
    m_entries.clear();
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0) {
            *error = QStringLiteral("regulation line %1 has no key").arg(i + 1);
            m_entries.clear();
            return false;
        }
        m_entries.append({line.left(tab), line.mid(tab + 1)});
    }
    return true;
}

bool RuleText::range(const QString &from, const QString &to, QList<RuleEntry> *out, QString *error) const
{
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (first < 0 && keyIsUnder(m_entries[i].key, from))
            first = i;
        if (keyIsUnder(m_entries[i].key, to))
            last = i;
    }
    if (first < 0 || last < 0) {
        *error = QStringLiteral("no regulation paragraph %1").arg(first < 0 ? from : to);
        return false;
    }
    if (last < first) {
        *error = QStringLiteral("regulation range %1 to %2 runs backwards").arg(from, to);
        return false;
    }
    *out = m_entries.mid(first, last - first + 1);
    return true;
}

} // namespace ContentGen
