// The selection's character and paragraph format, and how the selection shows without the focus.
// Setting a character format applies to the selection, or, without one, to the text typed next.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/widgets/richtext/RichTextBox.h"
#include "core/text/SelectionFormat.h"

namespace {

// A format that sets one property.
template <typename Setter, typename Value> QTextCharFormat formatWith(Setter set, const Value &value)
{
    QTextCharFormat format;
    (format.*set)(value);
    return format;
}

} // namespace

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
    mergeFormat(formatWith(&QTextCharFormat::setFontFamilies, QStringList{name}));
}

qreal RichTextBox::SelFontSize() const
{
    return selectionFont().pointSizeF();
}

void RichTextBox::setSelFontSize(qreal points)
{
    if (points <= 0)
        return;
    mergeFormat(formatWith(&QTextCharFormat::setFontPointSize, points));
}

bool RichTextBox::SelBold() const
{
    return selectionFont().bold();
}

void RichTextBox::setSelBold(bool on)
{
    mergeFormat(formatWith(&QTextCharFormat::setFontWeight, on ? QFont::Bold : QFont::Normal));
}

bool RichTextBox::SelItalic() const
{
    return selectionFont().italic();
}

void RichTextBox::setSelItalic(bool on)
{
    mergeFormat(formatWith(&QTextCharFormat::setFontItalic, on));
}

bool RichTextBox::SelUnderline() const
{
    return selectionFont().underline();
}

void RichTextBox::setSelUnderline(bool on)
{
    mergeFormat(formatWith(&QTextCharFormat::setFontUnderline, on));
}

bool RichTextBox::SelStrikeThru() const
{
    return selectionFont().strikeOut();
}

void RichTextBox::setSelStrikeThru(bool on)
{
    mergeFormat(formatWith(&QTextCharFormat::setFontStrikeOut, on));
}

QColor RichTextBox::SelColor() const
{
    return SelectionFormat::colour(selectionFormat(), palette().color(QPalette::Text));
}

void RichTextBox::setSelColor(const QColor &colour)
{
    mergeFormat(formatWith(&QTextCharFormat::setForeground, QBrush(colour)));
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
    const QBrush highlight =
        m_hideSelection ? QBrush() : colours.brush(QPalette::Active, QPalette::Highlight);
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
