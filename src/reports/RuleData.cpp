#include "reports/RuleData.h"

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

const Regulation &regulation()
{
    static const Regulation loaded = [] {
        QFile file(QStringLiteral(":/rule/security-rule-2003.txt"));
        return file.open(QIODevice::ReadOnly) ? parse(file.readAll()) : Regulation{};
    }();
    return loaded;
}

} // namespace

QString line(const QString &citation)
{
    return regulation().lines.value(citation);
}

bool contains(const QString &citation)
{
    return regulation().lines.contains(citation);
}

const QStringList &citations()
{
    return regulation().order;
}

QString block(const QString &citation, int indent)
{
    return QString(indent, u' ') + line(citation);
}

} // namespace RuleData
