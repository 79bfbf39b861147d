#include "core/spelling/SpellCheck.h"

#include <QTextBlock>
#include <QTextCursor>

#include "core/spelling/SpellChecker.h"

namespace {

// A full stop, exclamation or question mark followed by a blank or the end ends a sentence.
bool endsSentence(const QString &text, qsizetype i)
{
    const QChar c = text[i];
    return (c == u'.' || c == u'!' || c == u'?') && (i + 1 == text.size() || text[i + 1].isSpace());
}

} // namespace

SpellCheck::SpellCheck(SpellChecker &checker, SpellAsker &asker, QObject *parent)
    : QObject(parent), m_checker(checker), m_asker(asker)
{
}

void SpellCheck::attach(QTextDocument *document) { m_attached = document; }

void SpellCheck::setText(const QString &text) { m_own.setPlainText(text); }

QString SpellCheck::text() const
{
    return m_attached ? m_attached->toPlainText() : m_own.toPlainText();
}

void SpellCheck::setCheckRange(int start, int end)
{
    m_rangeStart = std::max(start, 0);
    m_rangeEnd = end;
}

QTextDocument *SpellCheck::document() { return m_attached ? m_attached.data() : &m_own; }

std::optional<WordSpan> SpellCheck::nextMisspelled(int from)
{
    QTextDocument *doc = document();
    for (QTextBlock block = doc->findBlock(from); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const int base = block.position();
        for (const WordSpan &w : SpellWords::words(text)) {
            const int start = base + w.start;
            if (start < from)
                continue;
            if (m_rangeEnd >= 0 && start + w.length > m_rangeEnd)
                return std::nullopt;
            if (!m_checker.isCorrect(text.mid(w.start, w.length)))
                return WordSpan{start, w.length};
        }
    }
    return std::nullopt;
}

SpellQuestion SpellCheck::question(const WordSpan &span)
{
    const QTextBlock block = document()->findBlock(span.start);
    const QString text = block.text();
    const int at = span.start - block.position();
    int begin = at;
    while (begin > 0 && !endsSentence(text, begin - 1))
        --begin;
    while (begin < at && text[begin].isSpace())
        ++begin;
    int end = at + span.length;
    while (end < text.size() && !endsSentence(text, end))
        ++end;
    end = std::min(end + 1, int(text.size()));
    const QString word = text.mid(at, span.length);
    return {word, text.mid(begin, end - begin), at - begin, m_checker.suggestions(word)};
}

int SpellCheck::replace(const WordSpan &span, const QString &replacement)
{
    QTextCursor cursor(document());
    cursor.setPosition(span.start);
    cursor.setPosition(span.start + span.length, QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
    ++m_changes;
    if (m_rangeEnd >= 0)
        m_rangeEnd += int(replacement.size()) - span.length;
    return span.start + int(replacement.size());
}

int SpellCheck::check()
{
    m_changes = 0;
    QHash<QString, QString> changeAll;
    int code = Finished;
    int position = m_rangeStart;
    while (const std::optional<WordSpan> found = nextMisspelled(position)) {
        m_word = *found;
        QTextCursor cursor(document());
        cursor.setPosition(found->start);
        cursor.setPosition(found->start + found->length, QTextCursor::KeepAnchor);
        const QString word = cursor.selectedText();
        position = found->start + found->length;
        if (changeAll.contains(word)) {
            position = replace(*found, changeAll.value(word));
            continue;
        }
        emit misspellingFound();
        emit wordReported(found->start, found->length);
        const SpellAnswer answer = m_asker.ask(question(*found));
        emit wordFinished();
        const bool replaces = !answer.replacement.isEmpty() && answer.replacement != word;
        switch (answer.action) {
        case SpellAnswer::Cancel:
            code = Cancelled;
            break;
        case SpellAnswer::ChangeAll:
            if (replaces)
                changeAll.insert(word, answer.replacement);
            [[fallthrough]];
        case SpellAnswer::Change:
            if (replaces)
                position = replace(*found, answer.replacement);
            break;
        case SpellAnswer::AutoCorrect:
            if (replaces) {
                m_checker.addAutoCorrect(word, answer.replacement);
                position = replace(*found, answer.replacement);
                emit autoCorrectChanged(AutoCorrectListChanged);
            }
            break;
        case SpellAnswer::IgnoreAll:
            m_checker.ignoreAll(word);
            break;
        case SpellAnswer::Add:
            if (const WriteResult written = m_checker.addUserWord(word); !written)
                emit userDictionaryFailed(written.error);
            break;
        case SpellAnswer::Ignore:
            break;
        }
        if (code == Cancelled)
            break;
    }
    m_word = {};
    emit textChecked(m_changes);
    emit checkEnded(code);
    return code;
}
