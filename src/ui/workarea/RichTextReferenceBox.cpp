#include "ui/workarea/RichTextReferenceBox.h"

#include "ui/widgets/richtext/RichTextBox.h"

QString RichTextReferenceBox::text() const
{
    return m_box.Text();
}

void RichTextReferenceBox::setText(const QString &text)
{
    m_box.setText(text);
}

bool RichTextReferenceBox::loadFile(const QString &name)
{
    return m_box.LoadFile(name);
}

int RichTextReferenceBox::findWholeWord(const QString &phrase, int start)
{
    return m_box.Find(phrase, start, -1, RichTextBox::FindWholeWord);
}

void RichTextReferenceBox::select(int start, int length)
{
    m_box.setSelStart(start);
    m_box.setSelLength(length);
}

void RichTextReferenceBox::setSelectionBoldUnderline()
{
    m_box.setSelBold(true);
    m_box.setSelUnderline(true);
}

void RichTextReferenceBox::setSelectionStrikeThru()
{
    m_box.setSelStrikeThru(true);
}

void RichTextReferenceBox::setSelectionUnderline()
{
    m_box.setSelUnderline(true);
}

void RichTextReferenceBox::setSelStart(int start)
{
    m_box.setSelStart(start);
}

QByteArray RichTextReferenceBox::textRtf() const
{
    return m_box.TextRTF();
}

void RichTextReferenceBox::setTextRtf(const QByteArray &rtf)
{
    m_box.setTextRTF(rtf);
}
