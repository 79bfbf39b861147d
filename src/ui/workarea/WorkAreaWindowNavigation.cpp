#include "ui/workarea/WorkAreaWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/widgets/Dialogs.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "core/catalogue/Catalogue.h"
#include "ui/workarea/StatusBox.h"
#include "core/workbook/HelpTopics.h"

void WorkAreaWindow::sectionTabClicked()
{
    const int tab = sectionTabs->currentIndex();
    if (m_reverting || tab == CurrentCategory)
        return;
    if (EntryChanged == 1 && !confirmSaveChanges()) {
        const QSignalBlocker block(sectionTabs);
        sectionTabs->setCurrentIndex(CurrentCategory);
        return;
    }
    selectCategory(tab);
}

void WorkAreaWindow::selectCategory(int category)
{
    areaSeparator->setVisible(category == Catalogue::overviewCategory);
    riskRegisterButton->setVisible(false);
    gridMenuAction->setVisible(category == Catalogue::overviewCategory);
    specificationOption->setEnabled(true);
    EntryChanged = 0;
    emptyBox();
    CurrentCategory = static_cast<qint16>(category);
    setWindowTitle(QString::fromUtf8(Catalogue::category(category).windowCaption));
    showCategoryMenu(category != Catalogue::overviewCategory);
    if (category == Catalogue::sampleCategory)
        statusBox->showValue(QStringLiteral("Completed"));
    // Nothing can be typed until a view is chosen, so no entry is written without being loaded first.
    entryEditor->setLocked(true);
    if (!itemPanel->isHidden())
        clearViews();
    statusTable = StatusStore().readTable();
    if (Catalogue::hasItems(category)) {
        QTabWidget *strip = innerTabs[category - 1];
        {
            const QSignalBlocker block(strip);
            strip->setCurrentIndex(0);
        }
        selectItem(category);
    } else if (category == Catalogue::sampleCategory) {
        CurrentItemTab = 0;
        setItemLabels(category, 0);
        Dialogs::current().messageBox(
            QStringLiteral(
                "This sample was created so you can see how program works and can be used.\r\r"
                "You can make changes etc. but cannot save changes so Sample will remain in program."),
            Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Sample Safeguard Entry"));
    } else {
        categoryOptions[0]->setChecked(true);
        fillOverview(0);
    }
}

void WorkAreaWindow::showCategoryMenu(bool itemCategory)
{
    for (QAction *a : {fontSeparator, spellSeparator, thesaurusSeparator, printSeparator, fontAction,
                       spellAction, thesaurusAction, saveAction})
        a->setVisible(itemCategory);
    printAction->setEnabled(!itemCategory && bool(m_hooks.printOverview));
    itemPanel->setVisible(itemCategory);
    if (itemCategory) {
        placeWorkPanel();
        itemPanel->setFocus();
    }
}

void WorkAreaWindow::innerTabClicked(int category)
{
    QTabWidget *strip = innerTabs[category - 1];
    if (m_reverting || category != CurrentCategory)
        return;
    if (EntryChanged == 1 && !confirmSaveChanges()) {
        const QSignalBlocker block(strip);
        strip->setCurrentIndex(m_shownItem[category - 1]);
        return;
    }
    selectItem(category);
}

void WorkAreaWindow::selectItem(int category)
{
    QTabWidget *strip = innerTabs[category - 1];
    EntryChanged = 0;
    emptyBox();
    CurrentItemTab = static_cast<qint16>(strip->currentIndex());
    m_shownItem[category - 1] = CurrentItemTab;
    // The organisational and documentation overviews have no implementation specification.
    specificationOption->setEnabled(category <= Catalogue::technicalCategory || CurrentItemTab != 0);
    if (QRadioButton *view = selectedView())
        selectView(view);
    showStatus(Catalogue::specificationNumber(category, CurrentItemTab));
    setItemLabels(category, CurrentItemTab);
    EntryChanged = 0;
}

void WorkAreaWindow::setItemLabels(int category, int tab)
{
    const Catalogue::Item *item =
        category == Catalogue::sampleCategory ? &Catalogue::sample() : Catalogue::item(category, tab);
    riskRegisterButton->setVisible(category != Catalogue::sampleCategory && item && item->number <= 2);
    if (!item)
        return;
    standardText->setText(Catalogue::standardLabel(*item));
    sectionText->setText(Catalogue::sectionLabel(*item));
    specificationText->setText(Catalogue::specificationLabel(*item));
}

void WorkAreaWindow::clearViews()
{
    m_views->setExclusive(false);
    for (QAbstractButton *b : m_views->buttons())
        b->setChecked(false);
    m_views->setExclusive(true);
    // No entry is shown any more: nothing typed counts as an edit and nothing can be saved.
    m_shownView = nullptr;
    EntryKind = 0;
    enableEntryCommands(false);
}

QRadioButton *WorkAreaWindow::selectedView() const
{
    return qobject_cast<QRadioButton *>(m_views->checkedButton());
}

void WorkAreaWindow::setTabStops(bool on)
{
    if (on) {
        for (const auto &[widget, policy] : std::as_const(m_tabStopped))
            widget->setFocusPolicy(policy);
        m_tabStopped.clear();
        return;
    }
    if (!m_tabStopped.isEmpty())
        return;
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w == entryEditor || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        m_tabStopped.append({w, w->focusPolicy()});
        w->setFocusPolicy(static_cast<Qt::FocusPolicy>(w->focusPolicy() & ~Qt::TabFocus));
    }
}

void WorkAreaWindow::alignmentClicked(int index)
{
    static constexpr int alignment[] = {0, 2, 1}; // left, centre, right
    entryEditor->setSelAlignment(alignment[index]);
    entryEditor->setFocus();
}

void WorkAreaWindow::entryClicked()
{
    const int code = entryEditor->SelAlignment();
    alignmentOptions[code == 2 ? 1 : code == 1 ? 2 : 0]->setChecked(true);
}

bool WorkAreaWindow::confirmLeave()
{
    if (EntryChanged == 1 && !confirmSaveChanges())
        return false;
    EntryChanged = 0;
    return true;
}

void WorkAreaWindow::escapePressed()
{
    if (!previewPanel->handleEscape())
        closeArea();
}

int WorkAreaWindow::helpTopic() const
{
    return previewPanel->isHidden() ? HelpTopics::WorkArea : HelpTopics::PrintPreview;
}

void WorkAreaWindow::windowActivated()
{
    previewPanel->saveNormalLayout();
    sectionTabs->setCurrentIndex(0);
    CurrentCategory = Catalogue::overviewCategory;
}

bool WorkAreaWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool strip = watched == sectionTabs || innerTabs.contains(qobject_cast<QTabWidget *>(watched));
    if (strip &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show))
        placeWorkPanel();
    if (watched == overviewGrid && event->type() == QEvent::Resize)
        sizeOverview();
    return AreaWindow::eventFilter(watched, event);
}
