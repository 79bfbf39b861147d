#pragma once

#include <QList>
#include <QString>

// A word of a text: its first character and length.
struct WordSpan {
    int start = 0;
    int length = 0;
    bool operator==(const WordSpan &) const = default;
};

namespace SpellWords {
// The words of `text` a spelling check looks at, in order. A blank-separated chunk that holds a digit
// (a number, "2nd", a citation such as 164.308(a)(1)) gives no word; other chunks are split at every
// character that is neither a letter nor an apostrophe inside a word.
QList<WordSpan> words(const QString &text);
// True for words not checked: all-capital abbreviations and words with capitals after the first letter
// (HIPAA, ePHI).
bool isAbbreviation(const QString &word);
}
