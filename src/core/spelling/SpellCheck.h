#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTextDocument>
#include <optional>

#include "core/spelling/SpellWords.h"

class SpellChecker;

// A word the user has to decide on, in its sentence.
struct SpellQuestion {
    QString word;
    QString sentence;
    int wordInSentence = 0;
    QStringList suggestions;
};

// The user's decision on a reported word; Change, Change All and AutoCorrect use `replacement`.
struct SpellAnswer {
    enum Action { Change, ChangeAll, Ignore, IgnoreAll, Add, AutoCorrect, Cancel };
    Action action = Ignore;
    QString replacement;
};

// Whoever decides on reported words: the spelling dialog, or a script in tests.
class SpellAsker
{
public:
    virtual ~SpellAsker() = default;
    virtual SpellAnswer ask(const SpellQuestion &question) = 0;
};

// One spelling check: walks a text word by word, asks about each misspelled word and makes the
// corrections, either in its own text or in place in an attached document (keeping its formatting).
class SpellCheck : public QObject
{
    Q_OBJECT

public:
    enum Result { Finished = 0, Cancelled = -1, AutoCorrectListChanged = 1 };

    SpellCheck(SpellChecker &checker, SpellAsker &asker, QObject *parent = nullptr);

    // Checks and corrects `document` in place; null checks the text given by setText().
    void attach(QTextDocument *document);
    void setText(const QString &text);
    // The own text, or the attached document's plain text.
    QString text() const;

    // Positions from `start` up to `end` (-1: the end of the text).
    void setCheckRange(int start, int end);

    // Checks to the end of the range or until the user cancels; returns Finished or Cancelled.
    int check();

    // The word under examination.
    int wordStart() const { return m_word.start; }
    int wordLength() const { return m_word.length; }
    // Changes made by the last check.
    int changeCount() const { return m_changes; }

signals:
    void misspellingFound();
    // The word is about to be shown to the user, and the user has finished with it.
    void wordReported(int start, int length);
    void wordFinished();
    // The user changed the auto-correct list (code 1).
    void autoCorrectChanged(int code);
    // Adding a word to the user's list could not be written to disk.
    void userDictionaryFailed(const QString &reason);
    // The end of the text was reached or the check was cancelled; the corrected text is available.
    void textChecked(int changes);
    void checkEnded(int code);

private:
    QTextDocument *document();
    std::optional<WordSpan> nextMisspelled(int from);
    SpellQuestion question(const WordSpan &span);
    int replace(const WordSpan &span, const QString &replacement);

    SpellChecker &m_checker;
    SpellAsker &m_asker;
    QTextDocument m_own;
    QPointer<QTextDocument> m_attached;
    int m_rangeStart = 0;
    int m_rangeEnd = -1;
    WordSpan m_word;
    int m_changes = 0;
};
