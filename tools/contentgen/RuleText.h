#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace ContentGen {

// One line of the regulation file: its key ("164.308(a)(1)(i)", "164.304/Access", "appendix-a/7") and text.
struct RuleEntry
{
    QString key;
    QString text;

    enum class Kind { SectionHeading, Paragraph, Definition, AppendixTitle, AppendixRow };
    Kind kind() const;
    // The designations of the key: "164.308(a)(1)(i)" gives a, 1, i.
    QStringList designations() const;
    // The defined term of a definition key, empty otherwise.
    QString term() const;
};

// The regulation paragraphs, one "key<TAB>text" line each, in printed order.
class RuleText
{
public:
    // Fails on a missing or unreadable file, or on a line without a key and a tab.
    bool load(const QString &path, QString *error);
    bool parse(const QByteArray &bytes, QString *error);

    const QList<RuleEntry> &entries() const { return m_entries; }

    // The lines from the first whose key is `from` or lies under it ("164.308" covers "164.308(a)",
    // "164.308/intro") through the last such line for `to`. Fails when either is not found or `to`
    // comes before `from`.
    bool range(const QString &from, const QString &to, QList<RuleEntry> *out, QString *error) const;

private:
    QList<RuleEntry> m_entries;
};

} // namespace ContentGen
