#include "ui/workarea/WorkAreaWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/files/FileLimits.h"
#include "core/record/EntrySaveRecorder.h"
#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/print/PrinterSettings.h"
#include "ui/workarea/ReferenceViews.h"
#include "core/catalogue/Catalogue.h"
#include "core/workbook/EntryFiles.h"
#include "core/files/ContentFolder.h"

namespace {

constexpr auto sampleSaveMessage = "Unable to save changes to sample.";

} // namespace

void WorkAreaWindow::viewOptionClicked(QRadioButton *option)
{
    if (EntryChanged == 1 && !confirmSaveChanges()) {
        // The edited text could not be saved: it stays, and so does its view.
        m_reverting = true;
        if (m_shownView)
            m_shownView->setChecked(true);
        else
            clearViews();
        m_reverting = false;
        return;
    }
    selectView(option);
}

void WorkAreaWindow::selectView(QRadioButton *option)
{
    const EntryFiles::Kind kind = option == actionTakenOption ? EntryFiles::Action
                                  : option == commentsOption  ? EntryFiles::Comment
                                  : option == policiesOption  ? EntryFiles::Policy
                                                              : EntryFiles::NoEntry;
    EntryKind = kind;
    EntryChanged = 0;
    m_shownView = option;
    applyViewState(option);
    emptyBox();
    if (kind != EntryFiles::NoEntry) {
        loadEntry();
    } else {
        showReference(option);
        if (exitButton->isVisible())
            exitButton->setFocus();
    }
    EntryChanged = 0;
}

bool WorkAreaWindow::isEntryView(const QRadioButton *option) const
{
    return option && (option == actionTakenOption || option == commentsOption || option == policiesOption);
}

void WorkAreaWindow::applyViewState(QRadioButton *option)
{
    const bool entry = isEntryView(option);
    const bool sampleLocked = CurrentCategory == Catalogue::sampleCategory && option != policiesOption;
    entryEditor->setLocked(!entry || sampleLocked || workbookReadOnly());
    printButton->setEnabled(bool(m_hooks.printEntry));
    printAction->setEnabled(bool(m_hooks.printEntry));
    enableEntryCommands(entry);
}

void WorkAreaWindow::enableEntryCommands(bool entry)
{
    saveButton->setEnabled(entry);
    saveAction->setEnabled(entry);
    const QList<std::tuple<QPushButton *, QAction *, bool>> tools{
        {fontButton, fontAction, bool(m_hooks.selectFont)},
        {thesaurusButton, thesaurusAction, bool(m_hooks.thesaurus)},
        {spellButton, spellAction, bool(m_hooks.spellCheck)}};
    for (const auto &[button, action, hooked] : tools) {
        button->setEnabled(entry && hooked);
        action->setEnabled(entry && hooked);
    }
    alignmentFrame->setEnabled(entry);
    updateRecordBar();
}

void WorkAreaWindow::loadEntry()
{
    const auto kind = static_cast<EntryFiles::Kind>(EntryKind);
    const bool sample = CurrentCategory == Catalogue::sampleCategory;
    if (sample && kind == EntryFiles::Policy)
        Dialogs::current().messageBox(
            QStringLiteral(
                "This Policy was first written using a full function work processing program and then "
                "copied and pasted into the program.\r\rYou can use the program to enter in this "
                "information, but the program doesn't give you all of the capabilities of a commerical "
                "word processor!"),
            Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Policies and Procedures"));
    CurrentFileName = EntryFiles::fileName(kind, CurrentCategory, CurrentItemTab);
    // A missing file is a new entry; one that exists but cannot be read (or is larger than any entry this
    // program writes) is kept aside before a save replaces it. The samples are content installed with the
    // program; the user's entries lie in the workbook folder.
    const qint64 limit = FileLimits::of(CurrentFileName).bytes;
    const bool loaded = entryEditor->LoadFile(sample ? ContentFolder::file(CurrentFileName) : CurrentFileName,
                                              nullptr, sample ? 0 : limit);
    if (!loaded && !sample && QFile::exists(CurrentFileName)) {
        const WriteResult kept = keepCopyAside(CurrentFileName);
        if (!kept)
            Dialogs::current().messageBox(
                QStringLiteral("%1 could not be read, and no copy of it could be kept: %2")
                    .arg(QFileInfo(CurrentFileName).fileName(), kept.error),
                Dialogs::OkOnly + Dialogs::Exclamation, QStringLiteral("Entry"));
        else if (QFileInfo(CurrentFileName).size() > limit)
            tellTooLarge(CurrentFileName, limit);
    }
    if (!sample) {
        for (RichTextBox *buffer : std::as_const(referenceBuffers))
            buffer->setText(QString());
    }
    EntryChanged = 0;
}

void WorkAreaWindow::showReference(QRadioButton *option)
{
    PrinterSettings::Font.assign(entryEditor->baseFont(), PrinterSettings::Font.colour);
    referenceBuffers[1]->setBaseFont(entryEditor->baseFont());
    ReferenceProducer &producer = m_references->producer();
    producer.clearBuffers();

    ReferenceState state;
    state.CurrentCategory = CurrentCategory;
    state.CurrentItemTab = CurrentItemTab;
    if (option == specificationOption) {
        state.selectedView = ReferenceView::RuleText;
        producer.produceRuleText(state);
    } else if (option == ruleReferencesOption) {
        state.selectedView = ReferenceView::References;
        producer.produceReferences(state);
    } else {
        state.selectedView = ReferenceView::AdditionalInformation;
        producer.produceAdditionalInformation(state);
    }
}

void WorkAreaWindow::saveClicked()
{
    saveEntry();
}

bool WorkAreaWindow::saveEntry()
{
    if (CurrentCategory == Catalogue::sampleCategory) {
        Dialogs::current().messageBox(QString::fromLatin1(sampleSaveMessage),
                                      Dialogs::OkOnly + Dialogs::Question, QStringLiteral("Save Command"));
        return true;
    }
    EntryChanged = 0;
    // Only an entry loaded into the box and shown there is written.
    if (EntryKind == EntryFiles::NoEntry || CurrentCategory == Catalogue::overviewCategory ||
        !isEntryView(m_shownView))
        return true;
    CurrentFileName =
        EntryFiles::fileName(static_cast<EntryFiles::Kind>(EntryKind), CurrentCategory, CurrentItemTab);
    if (CurrentFileName.trimmed().isEmpty() || !EntryFiles::mayBeWritten(CurrentFileName))
        return true;
    const EntrySaveRecorder history(CurrentFileName, Catalogue::specificationNumber(CurrentCategory, CurrentItemTab),
                                    EntryKind);
    const WriteResult result = entryEditor->SaveFile(CurrentFileName, FileLimits::of(CurrentFileName).bytes);
    if (result) {
        if (const Outcome kept = history.saved(Clock::current().now()); !kept)
            reportRecordFailure(kept.error);
        return true;
    }
    EntryChanged = 1;
    reportSaveFailure(QStringLiteral("The entry could not be saved to %1.").arg(CurrentFileName),
                      result.error);
    return false;
}

bool WorkAreaWindow::confirmSaveChanges()
{
    if (CurrentCategory == Catalogue::sampleCategory)
        return true;
    const int answer =
        Dialogs::current().messageBox(QStringLiteral("Save changes/entries before next action?"),
                                      Dialogs::YesNo + Dialogs::Question, QStringLiteral("Save Changes?"));
    if (answer == Dialogs::Yes && !saveEntry())
        return false;
    EntryChanged = 0;
    return true;
}

void WorkAreaWindow::entryEdited()
{
    if (ChangeGuard == 9) {
        ChangeGuard = 0;
        return;
    }
    EntryChanged = EntryKind > 0 ? 1 : 0;
}

void WorkAreaWindow::emptyBox()
{
    ChangeGuard = 9;
    entryEditor->setText(QString());
    ChangeGuard = 0;
}

// Once a run for each file.
void WorkAreaWindow::tellTooLarge(const QString &path, qint64 limit)
{
    static QSet<QString> told;
    const QString name = QFileInfo(path).fileName();
    if (told.contains(QFileInfo(path).absoluteFilePath()))
        return;
    told.insert(QFileInfo(path).absoluteFilePath());
    Dialogs::current().messageBox(QStringLiteral("%1 is larger than the %2 an entry may hold, so it is not "
                                                 "shown. The file as it was is kept as %1.bak.")
                                      .arg(name, FileLimits::sizeText(limit)),
                                  Dialogs::OkOnly + Dialogs::Exclamation, QStringLiteral("Entry"));
}

void WorkAreaWindow::reportRecordFailure(const QString &reason)
{
    Dialogs::current().messageBox(QStringLiteral("The change was saved, but the compliance record could not keep "
                                                 "it in its history.\r\r") +
                                      reason,
                                  Dialogs::OkOnly + Dialogs::Exclamation, QStringLiteral("Compliance Record"));
}

void WorkAreaWindow::reportSaveFailure(const QString &what, const QString &reason)
{
    Dialogs::current().messageBox(
        what + QStringLiteral("\r\r") + reason +
            QStringLiteral("\r\rYour changes are still shown; nothing has been lost."),
        Dialogs::OkOnly + Dialogs::Critical, QStringLiteral("Save Failed"));
}
