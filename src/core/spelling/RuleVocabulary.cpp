#include "core/spelling/RuleVocabulary.h"

#include <QFile>

#include "core/spelling/SpellWords.h"

const QSet<QString> &RuleVocabulary::words()
{
    static const QSet<QString> vocabulary = [] {
        QSet<QString> out;
        QFile file(QStringLiteral(":/rule/security-rule-2003.txt"));
        if (!file.open(QIODevice::ReadOnly))
            return out;
        const QString text = QString::fromUtf8(file.readAll());
        for (const WordSpan &w : SpellWords::words(text))
            out.insert(text.mid(w.start, w.length).toLower());
        return out;
    }();
    return vocabulary;
}
