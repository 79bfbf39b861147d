#include "ui/workarea/WritingTools.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>

#include "core/workbook/ProgramState.h"
#include "core/workbook/Product.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/spelling/SpellChecker.h"
#include "ui/widgets/SpellDialog.h"
#include "ui/widgets/ThesaurusDialog.h"
#include "core/workbook/HelpTopics.h"

namespace {

const QString thesaurusDelimiters = QStringLiteral(" ,.:;");

// Moves the dialog off the selected word, so the user sees the word in the text.
void keepWordInSight(QWidget &dialog, RichTextBox &box)
{
    box.ensureCursorVisible();
    const QRect caret = box.cursorRect(box.textCursor());
    const QRect word(box.viewport()->mapToGlobal(caret.topLeft()), caret.size());
    const QScreen *screen = box.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = dialog.frameSize().expandedTo(dialog.minimumSizeHint());
    // Below the word when it fits or has the more room, else above; kept on the screen.
    const int below = word.bottom() + 12;
    const int above = word.top() - 12 - size.height();
    const bool fitsBelow = below + size.height() <= area.bottom();
    const bool useBelow = fitsBelow || area.bottom() - word.bottom() >= word.top() - area.top();
    const int top = std::clamp(useBelow ? below : above, area.top(),
                               std::max(area.top(), area.bottom() - size.height()));
    const int right = std::max(area.left(), area.right() - size.width());
    const int left = std::clamp(word.left() - size.width() / 2, area.left(), right);
    dialog.move(left, top);
}

} // namespace

WritingTools::WritingTools(SpellAsker *spellAsker, ThesaurusAsker *thesaurusAsker)
    : m_spellAsker(spellAsker), m_thesaurusAsker(thesaurusAsker)
{
}

WritingTools::~WritingTools() = default;

WorkAreaHooks WritingTools::addHooks(WorkAreaHooks hooks, const std::shared_ptr<WritingTools> &tools)
{
    hooks.spellCheck = [tools] { tools->spellCheck(); };
    hooks.thesaurus = [tools] { tools->thesaurus(); };
    hooks.selectFont = [tools] { tools->selectFont(); };
    return hooks;
}

SpellChecker &WritingTools::checker()
{
    if (!m_checker)
        m_checker = std::make_unique<SpellChecker>();
    return *m_checker;
}

const Thesaurus &WritingTools::thesaurusData()
{
    if (!m_thesaurus)
        m_thesaurus = std::make_unique<Thesaurus>();
    return *m_thesaurus;
}

void WritingTools::showSpellingHelp()
{
    Dialogs::current().showHelp(Product::helpFile, Dialogs::HelpTopic, HelpTopics::Spelling);
}

void WritingTools::spellCheck()
{
    if (!m_editor)
        return;
    RichTextBox *box = m_editor;
    ProgramState::busyOn();
    SpellDialog dialog(box->window());
    QObject::connect(&dialog, &SpellDialog::helpRequested, &dialog, [this] { showSpellingHelp(); });
    SpellCheck check(checker(), m_spellAsker ? *m_spellAsker : static_cast<SpellAsker &>(dialog));
    // A locked box is checked but never corrected.
    if (box->Locked())
        check.setText(box->Text());
    else
        check.attach(box->document());
    check.setCheckRange(0, -1);
    QObject::connect(&check, &SpellCheck::wordReported, box, [box, &dialog](int start, int length) {
        ProgramState::busyOff();
        box->setSelStart(start);
        box->setSelLength(length);
        box->setHideSelection(false);
        keepWordInSight(dialog, *box);
    });
    QObject::connect(&check, &SpellCheck::wordFinished, box, [box] {
        ProgramState::busyOn();
        box->setHideSelection(true);
    });
    QObject::connect(&check, &SpellCheck::userDictionaryFailed, box, [](const QString &reason) {
        ProgramState::busyOff();
        Dialogs::current().messageBox(QObject::tr("The word could not be added to your dictionary.\n\n%1").arg(reason),
                                      Dialogs::OkOnly | Dialogs::Exclamation, QObject::tr("Spelling Check"));
    });
    check.check();
    ProgramState::busyOff();
    Dialogs::current().messageBox(QStringLiteral("Spelling Check has reached the end of your document"),
                                  Dialogs::OkOnly | Dialogs::Information, QStringLiteral("Spelling Check"));
    box->setSelStart(1);
}

void WritingTools::thesaurus()
{
    if (!m_editor)
        return;
    RichTextBox *box = m_editor;
    while (box->SelLength() > 0 && thesaurusDelimiters.contains(box->SelText().back()))
        box->setSelLength(box->SelLength() - 1);
    if (box->SelLength() == 0) {
        Dialogs::current().messageBox(QStringLiteral("Please highlight word you desire to look up!"),
                                      Dialogs::OkOnly | Dialogs::Question, QStringLiteral("Thesaurus"));
        return;
    }
    QString replacement;
    if (m_thesaurusAsker) {
        replacement = m_thesaurusAsker->replacementFor(box->SelText());
    } else {
        ThesaurusDialog dialog(thesaurusData(), box->window());
        replacement = dialog.replacementFor(box->SelText());
    }
    if (replacement.isEmpty())
        return;
    // The work area shows no number in its text panel, so the guard counts the replacement alone. It
    // raises the box's limit so the replacement goes in whole, and never cuts the user's text.
    const int newLength = int(replacement.size());
    if (newLength > ThesaurusLengthGuard)
        box->setMaxLength(newLength + 5);
    box->setSelText(replacement);
    if (newLength > ThesaurusLengthGuard)
        box->setMaxLength(std::max(ThesaurusLengthGuard, int(box->Text().size())));
    box->setFocus();
}

void WritingTools::selectFont()
{
    if (!m_editor)
        return;
    RichTextBox *box = m_editor;
    box->setHideSelection(false);
    const int start = box->SelStart();
    const int length = box->SelLength();
    QFont font = box->baseFont();
    if (length > 0) {
        font.setFamily(box->SelFontName());
        font.setPointSizeF(box->SelFontSize());
        font.setBold(box->SelBold());
        font.setItalic(box->SelItalic());
        font.setUnderline(box->SelUnderline());
        font.setStrikeOut(box->SelStrikeThru());
    }
    // A family the system only stands in for (Times New Roman) is shown as the family that stands in.
    if (!QFontDatabase::hasFamily(font.family()))
        font.setFamily(QFontInfo(font).family());
    QColor colour = box->SelColor();
    const bool chosen = Dialogs::current().chooseFont(font, colour, FontDialogFlags);
    box->setHideSelection(true);
    // Restored first: moving the caret afterwards would drop the attributes set for text typed next.
    box->setSelStart(start);
    if (length > 0)
        box->setSelLength(length);
    if (chosen) {
        box->setSelFontName(font.family());
        box->setSelFontSize(font.pointSizeF());
        box->setSelBold(font.bold());
        box->setSelItalic(font.italic());
        box->setSelUnderline(font.underline());
        box->setSelStrikeThru(font.strikeOut());
        box->setSelColor(colour);
    }
    box->setFocus();
}
