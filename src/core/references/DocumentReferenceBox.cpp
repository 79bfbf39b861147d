#include "core/references/DocumentReferenceBox.h"

#include <QFile>
#include <QTextDocument>
#include <algorithm>

#include "core/text/PlainText.h"
#include "core/rtf/Rtf.h"

DocumentReferenceBox::DocumentReferenceBox(QTextDocument &document) : m_document(document), m_cursor(&document)
{
}

QString DocumentReferenceBox::text() const
{
    return m_document.toPlainText();
}

void DocumentReferenceBox::setText(const QString &text)
{
    m_document.setPlainText(PlainText::normaliseLineBreaks(text));
    m_cursor = QTextCursor(&m_document);
}

bool DocumentReferenceBox::loadFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || !Rtf::read(bytes, m_document).ok)
        return false;
    m_cursor = QTextCursor(&m_document);
    return true;
}

int DocumentReferenceBox::findWholeWord(const QString &phrase, int start)
{
    const QString current = text();
    if (m_finder.text() != current)
        m_finder.setText(current);
    return m_finder.find(phrase, start, -1, true);
}

int DocumentReferenceBox::clamped(int position) const
{
    return std::clamp(position, 0, m_document.characterCount() - 1);
}

void DocumentReferenceBox::select(int start, int length)
{
    m_cursor.setPosition(clamped(start));
    m_cursor.setPosition(clamped(start + length), QTextCursor::KeepAnchor);
}

void DocumentReferenceBox::setSelectionBoldUnderline()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontUnderline(true);
    m_cursor.mergeCharFormat(format);
}

void DocumentReferenceBox::setSelectionStrikeThru()
{
    QTextCharFormat format;
    format.setFontStrikeOut(true);
    m_cursor.mergeCharFormat(format);
}

void DocumentReferenceBox::setSelectionUnderline()
{
    QTextCharFormat format;
    format.setFontUnderline(true);
    m_cursor.mergeCharFormat(format);
}

void DocumentReferenceBox::setSelStart(int start)
{
    m_cursor.setPosition(clamped(start));
}

QByteArray DocumentReferenceBox::textRtf() const
{
    return Rtf::write(m_document);
}

void DocumentReferenceBox::setTextRtf(const QByteArray &rtf)
{
    if (Rtf::read(rtf, m_document).ok)
        m_cursor = QTextCursor(&m_document);
}
