#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/files/SafeWrite.h"
#include "core/files/FileLimits.h"
#include "core/files/FileNames.h"

class Hunspell;

// The spelling checker's judgement of words: the main dictionary, the user's own word list, the
// regulation's vocabulary, the words ignored for this run, and the auto-correct list.
class SpellChecker
{
public:
    static constexpr auto UserDictionaryName = FileNames::UserDictionary;
    static constexpr int MaxSuggestions = 12;
    // Longer words get no suggestions: the search for them takes too long.
    static constexpr int MaxSuggestedLength = 48;
    // Bytes of the user's list read and written; a longer file is copied aside before it is first
    // rewritten, and the list is never written longer.
    static constexpr qint64 MaxUserDictionaryBytes = FileLimits::UserDictionary.bytes;

    // The main dictionary files, and the user's word list (one word a line, read now).
    explicit SpellChecker(const QString &userDictionary = QString::fromLatin1(UserDictionaryName),
                          const QString &mainDictionary = defaultMainDictionary());
    ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    // The installed English dictionary, without its .aff/.dic ending.
    static QString defaultMainDictionary();
    bool hasMainDictionary() const { return m_hunspell != nullptr; }

    // False for a word the user has to decide on. Words the checker skips (abbreviations) are correct.
    bool isCorrect(const QString &word) const;
    QStringList suggestions(const QString &word) const;

    // Adds the word to the user's list and rewrites the list file whole. On failure, or when the list
    // file is full, the word is still accepted for this run.
    WriteResult addUserWord(const QString &word);
    QStringList userWords() const { return m_userWords; }
    void ignoreAll(const QString &word) { m_ignored.insert(word); }

    // Auto-correct entries, in the order they were added (from 0).
    void addAutoCorrect(const QString &misspelling, const QString &correction);
    int autoCorrectCount() const { return int(m_autoCorrect.size()); }
    QString autoCorrectMisspelling(int i) const;
    QString autoCorrectCorrection(int i) const;
    // The correction of the first entry for `word` (letter case ignored), or "".
    QString autoCorrectFor(const QString &word) const;

private:
    bool inDictionary(const QString &word) const;

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_userDictionary;
    QStringList m_userWords;
    QSet<QString> m_userLower;
    QSet<QString> m_ignored;
    bool m_userListPartial = false;
    QList<std::pair<QString, QString>> m_autoCorrect;
};
