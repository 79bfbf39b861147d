#pragma once

#include <QTextCursor>

#include "core/text/TextFinder.h"
#include "core/references/ReferenceBox.h"

class QTextDocument;

// The box operations on a bare QTextDocument, for producing texts without a window.
class DocumentReferenceBox : public ReferenceBox
{
public:
    explicit DocumentReferenceBox(QTextDocument &document);

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

    QTextDocument &document() { return m_document; }
    const QTextCursor &cursor() const { return m_cursor; }

private:
    int clamped(int position) const;

    QTextDocument &m_document;
    QTextCursor m_cursor;
    TextFinder m_finder;
};
