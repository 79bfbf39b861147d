#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class MyThes;

// One meaning of a looked-up word: its description and its synonyms.
struct ThesaurusMeaning {
    QString description;
    QStringList synonyms;
    bool operator==(const ThesaurusMeaning &) const = default;
};

// The thesaurus data: meanings and synonyms of English words.
class Thesaurus
{
public:
    // The data files without their .idx/.dat ending.
    explicit Thesaurus(const QString &data = defaultData());
    ~Thesaurus();
    Thesaurus(const Thesaurus &) = delete;
    Thesaurus &operator=(const Thesaurus &) = delete;

    static QString defaultData();
    bool isAvailable() const { return m_thes != nullptr; }

    // The meanings of `word`, tried as given and then in lower case; empty when it is not listed.
    QList<ThesaurusMeaning> lookup(const QString &word) const;

private:
    QList<ThesaurusMeaning> lookupExact(const QString &word) const;

    std::unique_ptr<MyThes> m_thes;
};

// Whoever picks the replacement of a looked-up word: the thesaurus dialog, or a script in tests.
class ThesaurusAsker
{
public:
    virtual ~ThesaurusAsker() = default;
    // The chosen replacement, or "" when the user cancelled.
    virtual QString replacementFor(const QString &word) = 0;
};
