#pragma once

#include <QByteArray>
#include <QString>

// The rich-text box operations the reference texts are produced with. Positions count characters from 0,
// a line break counting as one.
class ReferenceBox
{
public:
    virtual ~ReferenceBox() = default;

    virtual QString text() const = 0;
    // Replaces the content with unformatted text, one paragraph per line (CR LF).
    virtual void setText(const QString &text) = 0;
    // Replaces the content with the RTF file's. A missing or unreadable file, or one that is not RTF,
    // returns false and leaves the content as it was.
    virtual bool loadFile(const QString &name) = 0;
    // Position of the next whole-word match of `phrase` from `start`, letter case ignored; -1 when none.
    virtual int findWholeWord(const QString &phrase, int start) = 0;
    virtual void select(int start, int length) = 0;
    virtual void setSelectionBoldUnderline() = 0;
    virtual void setSelectionStrikeThru() = 0;
    virtual void setSelectionUnderline() = 0;
    // Places the caret, without a selection.
    virtual void setSelStart(int start) = 0;
    virtual QByteArray textRtf() const = 0;
    virtual void setTextRtf(const QByteArray &rtf) = 0;
};
