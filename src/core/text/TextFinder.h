#pragma once

#include <QString>
#include <QStringView>

// Case-insensitive search in a plain text, optionally for whole words only.
//
// The text is case-folded once when it is set, one code unit for one code unit, so positions in the
// folded copy are positions in the text. A whole-word match is one whose neighbouring characters are
// not word characters: letters, digits and combining marks. Everything else ends a word, apostrophes
// and underscores included, so "rule" is found in "rule's" and "rule_1" but not in "rules".
class TextFinder
{
public:
    TextFinder() = default;
    explicit TextFinder(const QString &text) { setText(text); }

    void setText(const QString &text);
    const QString &text() const { return m_text; }

    // First match of `needle` lying wholly inside [start, end) (end -1: to the end of the text),
    // or -1. An empty needle never matches.
    int find(QStringView needle, int start = 0, int end = -1, bool wholeWords = false) const;

    // Same length as `text`; letters replaced by their simple case folding.
    static QString foldCase(QStringView text);
    static bool isWordCharacter(char32_t ucs4);

private:
    bool isWholeWordAt(int position, int length) const;
    int search(const QString &foldedNeedle, int from, int end, bool wholeWords) const;

    QString m_text;
    QString m_folded;

    // The last search, so that a caller stepping on one character at a time after the last match, or
    // continuing inside the gap before a known match, does not rescan the rest of the text.
    struct LastSearch
    {
        QString needle;
        int from = -1;
        int end = -1;
        bool wholeWords = false;
        int result = -1;
    };
    mutable LastSearch m_last;
};
