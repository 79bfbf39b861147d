#include "workarea/WorkArea1.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "app/Clock.h"
#include "app/files/FileLimits.h"
#include "core/record/EntrySaveRecorder.h"
#include "components/Dialogs.h"
#include "components/richtext/RichTextBox.h"
#include "pagetools/PrinterSettings.h"
#include "reports/ReferenceViews.h"
#include "workarea/Catalogue.h"
#include "workarea/store/EntryFiles.h"
#include "components/files/ContentFolder.h"

namespace {

constexpr auto sampleSaveMessage = "Unable to save changes to sample.";

} // namespace

void WorkArea1::viewOption_Click(QRadioButton *option)
{
    if (EntryChanged == 1 && !ConfirmSaveChanges()) {
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

void WorkArea1::selectView(QRadioButton *option)
{
    const EntryFiles::Kind kind = option == SSOption3   ? EntryFiles::Action
                                  : option == SSOption4 ? EntryFiles::Comment
                                  : option == SSOption5 ? EntryFiles::Policy
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
        if (SSCommand7->isVisible())
            SSCommand7->setFocus();
    }
    EntryChanged = 0;
}

bool WorkArea1::isEntryView(const QRadioButton *option) const
{
    return option && (option == SSOption3 || option == SSOption4 || option == SSOption5);
}

void WorkArea1::applyViewState(QRadioButton *option)
{
    const bool entry = isEntryView(option);
    const bool sampleLocked = CurrentCategory == Catalogue::sampleCategory && option != SSOption5;
    Rtext3->setLocked(!entry || sampleLocked || workbookReadOnly());
    SSCommand5->setEnabled(bool(m_hooks.printEntry));
    mOPrint->setEnabled(bool(m_hooks.printEntry));
    enableEntryCommands(entry);
}

void WorkArea1::enableEntryCommands(bool entry)
{
    SSCommand6->setEnabled(entry);
    mOSave->setEnabled(entry);
    const QList<std::tuple<QPushButton *, QAction *, bool>> tools{{SSCommand8, mOFont, bool(m_hooks.selectFont)},
                                                                 {SSCommand9, mOThes, bool(m_hooks.thesaurus)},
                                                                 {SSCommand10, mOSpell, bool(m_hooks.spellCheck)}};
    for (const auto &[button, action, hooked] : tools) {
        button->setEnabled(entry && hooked);
        action->setEnabled(entry && hooked);
    }
    SSFrame4->setEnabled(entry);
    updateRecordBar();
}

void WorkArea1::loadEntry()
{
    const auto kind = static_cast<EntryFiles::Kind>(EntryKind);
    const bool sample = CurrentCategory == Catalogue::sampleCategory;
    if (sample && kind == EntryFiles::Policy)
        Dialogs::current().messageBox(
            QStringLiteral("This Policy was first written using a full function work processing program and then "
                           "copied and pasted into the program.\r\rYou can use the program to enter in this "
                           "information, but the program doesn't give you all of the capabilities of a commerical "
                           "word processor!"),
            Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Policies and Procedures"));
    CurrentFileName = EntryFiles::fileName(kind, CurrentCategory, CurrentItemTab);
    // A missing file is a new entry; one that exists but cannot be read (or is larger than any entry this
    // program writes) is kept aside before a save replaces it. The samples are content installed with the
    // program; the user's entries lie in the workbook folder.
    const qint64 limit = FileLimits::of(CurrentFileName).bytes;
    const bool loaded =
        Rtext3->LoadFile(sample ? ContentFolder::file(CurrentFileName) : CurrentFileName, nullptr, sample ? 0 : limit);
    if (!loaded && !sample && QFile::exists(CurrentFileName)) {
        const WriteResult kept = keepCopyAside(CurrentFileName);
        if (kept && QFileInfo(CurrentFileName).size() > limit)
            tellTooLarge(CurrentFileName, limit);
    }
    if (!sample) {
        for (RichTextBox *buffer : std::as_const(RText1))
            buffer->setText(QString());
    }
    EntryChanged = 0;
}

void WorkArea1::showReference(QRadioButton *option)
{
    PrinterSettings::Font.assign(Rtext3->baseFont(), PrinterSettings::Font.colour);
    RText1[1]->setBaseFont(Rtext3->baseFont());
    ReferenceProducer &producer = m_references->producer();
    producer.clearBuffers();

    ReferenceState state;
    state.CurrentCategory = CurrentCategory;
    state.CurrentItemTab = CurrentItemTab;
    if (option == SSOption6) {
        state.selectedView = ReferenceView::RuleText;
        producer.produceRuleText(state);
    } else if (option == SSOption2) {
        state.selectedView = ReferenceView::References;
        producer.produceReferences(state);
    } else {
        state.selectedView = ReferenceView::AdditionalInformation;
        producer.produceAdditionalInformation(state);
    }
}

void WorkArea1::SSCommand6_Click()
{
    saveEntry();
}

bool WorkArea1::saveEntry()
{
    if (CurrentCategory == Catalogue::sampleCategory) {
        Dialogs::current().messageBox(QString::fromLatin1(sampleSaveMessage), Dialogs::OkOnly + Dialogs::Question,
                                      QStringLiteral("Save Command"));
        return true;
    }
    EntryChanged = 0;
    // Only an entry loaded into the box and shown there is written.
    if (EntryKind == EntryFiles::NoEntry || CurrentCategory == Catalogue::overviewCategory || !isEntryView(m_shownView))
        return true;
    CurrentFileName = EntryFiles::fileName(static_cast<EntryFiles::Kind>(EntryKind), CurrentCategory, CurrentItemTab);
    if (CurrentFileName.trimmed().isEmpty() || !EntryFiles::mayBeWritten(CurrentFileName))
        return true;
    const EntrySaveRecorder history(CurrentFileName, Catalogue::specificationNumber(CurrentCategory, CurrentItemTab),
                                    EntryKind);
    const WriteResult result = Rtext3->SaveFile(CurrentFileName, FileLimits::of(CurrentFileName).bytes);
    if (result) {
        if (const Outcome kept = history.saved(Clock::current().now()); !kept)
            reportRecordFailure(kept.error);
        return true;
    }
    EntryChanged = 1;
    reportSaveFailure(QStringLiteral("The entry could not be saved to %1.").arg(CurrentFileName), result.error);
    return false;
}

bool WorkArea1::ConfirmSaveChanges()
{
    if (CurrentCategory == Catalogue::sampleCategory)
        return true;
    const int answer = Dialogs::current().messageBox(QStringLiteral("Save changes/entries before next action?"),
                                                     Dialogs::YesNo + Dialogs::Question, QStringLiteral("Save Changes?"));
    if (answer == Dialogs::Yes && !saveEntry())
        return false;
    EntryChanged = 0;
    return true;
}

void WorkArea1::Rtext3_Change()
{
    if (ChangeGuard == 9) {
        ChangeGuard = 0;
        return;
    }
    EntryChanged = EntryKind > 0 ? 1 : 0;
}

void WorkArea1::emptyBox()
{
    ChangeGuard = 9;
    Rtext3->setText(QString());
    ChangeGuard = 0;
}

// Once a run for each file.
void WorkArea1::tellTooLarge(const QString &path, qint64 limit)
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

void WorkArea1::reportRecordFailure(const QString &reason)
{
    Dialogs::current().messageBox(QStringLiteral("The change was saved, but the compliance record could not keep "
                                                 "it in its history.\r\r") +
                                      reason,
                                  Dialogs::OkOnly + Dialogs::Exclamation, QStringLiteral("Compliance Record"));
}

void WorkArea1::reportSaveFailure(const QString &what, const QString &reason)
{
    Dialogs::current().messageBox(what + QStringLiteral("\r\r") + reason +
                                      QStringLiteral("\r\rYour changes are still shown; nothing has been lost."),
                                  Dialogs::OkOnly + Dialogs::Critical, QStringLiteral("Save Failed"));
}
