#pragma once

#include "core/references/ReferenceBox.h"

class RichTextBox;

// The reference-text operations on a rich text box of a window.
class RichTextReferenceBox : public ReferenceBox
{
public:
    explicit RichTextReferenceBox(RichTextBox &box) : m_box(box) {}

    QString text() const override;
    void setText(const QString &text) override;
    bool loadFile(const QString &name) override;
    int findWholeWord(const QString &phrase, int start) override;
    void select(int start, int length) override;
    void setSelectionBoldUnderline() override;
    void setSelectionStrikeThru() override;
    void setSelectionUnderline() override;
    void setSelStart(int start) override;
    QByteArray textRtf() const override;
    void setTextRtf(const QByteArray &rtf) override;

private:
    RichTextBox &m_box;
};
