#include "ui/preview/FontDisplay.h"

#include <QStringList>

#include "core/workbook/ProgramState.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/print/PrinterSettings.h"

namespace {

QString caption()
{
    return QStringLiteral("Font Display");
}

QFont selectionFont(const RichTextBox &page)
{
    QFont font(page.SelFontName());
    if (page.SelFontSize() > 0)
        font.setPointSizeF(page.SelFontSize());
    font.setUnderline(page.SelUnderline());
    font.setStrikeOut(page.SelStrikeThru());
    return font;
}

void applyToSelection(RichTextBox &page, const QFont &font, const QColor &colour)
{
    page.setSelFontName(font.family());
    if (font.pointSizeF() > 0)
        page.setSelFontSize(font.pointSizeF());
    page.setSelUnderline(font.underline());
    page.setSelStrikeThru(font.strikeOut());
    if (colour.isValid())
        page.setSelColor(colour);
}

} // namespace

void fontDisplay(RichTextBox &page)
{
    page.setHideSelection(false);
    ProgramState::SharedAnswer = 0;
    const int start = page.SelStart();
    const int length = page.SelLength();
    ProgramState::SharedAnswer = start;
    if (length == 0) {
        Dialogs::current().messageBox(QStringLiteral("Please select text to change."), Dialogs::Information,
                                      caption());
        return;
    }
    QFont font = selectionFont(page);
    QColor colour = page.SelColor();
    if (Dialogs::current().chooseFont(font, colour, PrinterSettings::FontDialogFlags)) {
        if (font.bold() || font.italic())
            Dialogs::current().messageBox(
                QStringList{QStringLiteral("To keep the data in this document similar to the actual Security Rule,"),
                            QStringLiteral("the Italic and Bold font selections have been deactivated."),
                            QStringLiteral("You can still change font name, font size, font color, etc.")}
                    .join(QChar(13)),
                Dialogs::Information, caption());
        applyToSelection(page, font, colour);
    }
    page.setSelStart(start);
    page.setSelLength(length);
    page.setFocus();
}
