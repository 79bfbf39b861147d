// The selection's character and paragraph format, and how the selection shows without the focus.
// Setting a character format applies to the selection, or, without one, to the text typed next.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "components/richtext/RichTextBox.h"
#include "components/richtext/SelectionFormat.h"

QTextCharFormat RichTextBox::selectionFormat() const
{
    return SelectionFormat::charFormat(textCursor());
}

QFont RichTextBox::selectionFont() const
{
    return SelectionFormat::font(selectionFormat(), document()->defaultFont());
}

void RichTextBox::mergeFormat(const QTextCharFormat &format)
{
    showPendingSelection();
    mergeCurrentCharFormat(format);
}

QString RichTextBox::SelFontName() const
{
    return selectionFont().family();
}

void RichTextBox::setSelFontName(const QString &name)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{name});
    mergeFormat(format);
}

qreal RichTextBox::SelFontSize() const
{
    return selectionFont().pointSizeF();
}

void RichTextBox::setSelFontSize(qreal points)
{
    if (points <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
}

bool RichTextBox::SelBold() const
{
    return selectionFont().bold();
}

void RichTextBox::setSelBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

bool RichTextBox::SelItalic() const
{
    return selectionFont().italic();
}

void RichTextBox::setSelItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeFormat(format);
}

bool RichTextBox::SelUnderline() const
{
    return selectionFont().underline();
}

void RichTextBox::setSelUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeFormat(format);
}

bool RichTextBox::SelStrikeThru() const
{
    return selectionFont().strikeOut();
}

void RichTextBox::setSelStrikeThru(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeFormat(format);
}

QColor RichTextBox::SelColor() const
{
    return SelectionFormat::colour(selectionFormat(), palette().color(QPalette::Text));
}

void RichTextBox::setSelColor(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    mergeFormat(format);
}

int RichTextBox::SelAlignment() const
{
    const QTextBlock first = document()->findBlock(SelStart());
    return SelectionFormat::alignmentCode(first.blockFormat().alignment());
}

void RichTextBox::setSelAlignment(int code)
{
    if (const auto alignment = SelectionFormat::alignmentForCode(code)) {
        showPendingSelection();
        setAlignment(*alignment);
    }
}

// Without the focus the selection is painted with the Inactive colours: none at all to hide it,
// the Active ones to keep it visible.
void RichTextBox::applySelectionPalette()
{
    QPalette colours = palette();
    const QBrush highlight = m_hideSelection ? QBrush() : colours.brush(QPalette::Active, QPalette::Highlight);
    const QBrush highlightedText =
        m_hideSelection ? QBrush() : colours.brush(QPalette::Active, QPalette::HighlightedText);
    if (colours.brush(QPalette::Inactive, QPalette::Highlight) == highlight &&
        colours.brush(QPalette::Inactive, QPalette::HighlightedText) == highlightedText)
        return;
    colours.setBrush(QPalette::Inactive, QPalette::Highlight, highlight);
    colours.setBrush(QPalette::Inactive, QPalette::HighlightedText, highlightedText);
    setPalette(colours);
}

void RichTextBox::setHideSelection(bool hide)
{
    m_hideSelection = hide;
    applySelectionPalette();
}
