#include "workarea/WorkArea1.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "components/Dialogs.h"
#include "components/richtext/RichTextBox.h"
#include "pagetools/PreviewPanel.h"
#include "workarea/Catalogue.h"
#include "workarea/StatusBox.h"

void WorkArea1::SSTab2_Click()
{
    const int tab = SSTab2->currentIndex();
    if (m_reverting || tab == CurrentCategory)
        return;
    if (EntryChanged == 1 && !ConfirmSaveChanges()) {
        const QSignalBlocker block(SSTab2);
        SSTab2->setCurrentIndex(CurrentCategory);
        return;
    }
    selectCategory(tab);
}

void WorkArea1::selectCategory(int category)
{
    mO7->setVisible(category == Catalogue::overviewCategory);
    riskRegisterButton->setVisible(false);
    mOGridMenu->setVisible(category == Catalogue::overviewCategory);
    SSOption6->setEnabled(true);
    EntryChanged = 0;
    emptyBox();
    CurrentCategory = static_cast<qint16>(category);
    setWindowTitle(QString::fromUtf8(Catalogue::category(category).windowCaption));
    showCategoryMenu(category != Catalogue::overviewCategory);
    if (category == Catalogue::sampleCategory)
        Combo1->showValue(QStringLiteral("Completed"));
    // Nothing can be typed until a view is chosen, so no entry is written without being loaded first.
    Rtext3->setLocked(true);
    if (!SSPanel1->isHidden())
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
            QStringLiteral("This sample was created so you can see how program works and can be used.\r\r"
                           "You can make changes etc. but cannot save changes so Sample will remain in program."),
            Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Sample Safeguard Entry"));
    } else {
        SSOption1[0]->setChecked(true);
        fillOverview(0);
    }
}

void WorkArea1::showCategoryMenu(bool itemCategory)
{
    for (QAction *a : {mO1, mO2, mO3, mO4, mOFont, mOSpell, mOThes, mOSave})
        a->setVisible(itemCategory);
    mOPrint->setEnabled(!itemCategory && bool(m_hooks.printOverview));
    SSPanel1->setVisible(itemCategory);
    if (itemCategory) {
        placeWorkPanel();
        SSPanel1->setFocus();
    }
}

void WorkArea1::innerTab_Click(int category)
{
    QTabWidget *strip = innerTabs[category - 1];
    if (m_reverting || category != CurrentCategory)
        return;
    if (EntryChanged == 1 && !ConfirmSaveChanges()) {
        const QSignalBlocker block(strip);
        strip->setCurrentIndex(m_shownItem[category - 1]);
        return;
    }
    selectItem(category);
}

void WorkArea1::selectItem(int category)
{
    QTabWidget *strip = innerTabs[category - 1];
    EntryChanged = 0;
    emptyBox();
    CurrentItemTab = static_cast<qint16>(strip->currentIndex());
    m_shownItem[category - 1] = CurrentItemTab;
    // The organisational and documentation overviews have no implementation specification.
    SSOption6->setEnabled(category <= Catalogue::technicalCategory || CurrentItemTab != 0);
    if (QRadioButton *view = selectedView())
        selectView(view);
    showStatus(Catalogue::specificationNumber(category, CurrentItemTab));
    setItemLabels(category, CurrentItemTab);
    EntryChanged = 0;
}

void WorkArea1::setItemLabels(int category, int tab)
{
    const Catalogue::Item *item =
        category == Catalogue::sampleCategory ? &Catalogue::sample() : Catalogue::item(category, tab);
    riskRegisterButton->setVisible(category != Catalogue::sampleCategory && item && item->number <= 2);
    if (!item)
        return;
    Label5->setText(Catalogue::standardLabel(*item));
    Label6->setText(Catalogue::sectionLabel(*item));
    Label7->setText(Catalogue::specificationLabel(*item));
}

void WorkArea1::clearViews()
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

QRadioButton *WorkArea1::selectedView() const
{
    return qobject_cast<QRadioButton *>(m_views->checkedButton());
}

void WorkArea1::setTabStops(bool on)
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
        if (w == Rtext3 || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        m_tabStopped.append({w, w->focusPolicy()});
        w->setFocusPolicy(static_cast<Qt::FocusPolicy>(w->focusPolicy() & ~Qt::TabFocus));
    }
}

void WorkArea1::SSOption8_Click(int index)
{
    static constexpr int alignment[] = {0, 2, 1}; // left, centre, right
    Rtext3->setSelAlignment(alignment[index]);
    Rtext3->setFocus();
}

void WorkArea1::Rtext3_Click()
{
    const int code = Rtext3->SelAlignment();
    SSOption8[code == 2 ? 1 : code == 1 ? 2 : 0]->setChecked(true);
}

bool WorkArea1::confirmLeave()
{
    if (EntryChanged == 1 && !ConfirmSaveChanges())
        return false;
    EntryChanged = 0;
    return true;
}

void WorkArea1::escapePressed()
{
    if (!previewPanel->handleEscape())
        closeArea();
}

int WorkArea1::helpTopic() const
{
    return previewPanel->isHidden() ? 3010 : 1014;
}

void WorkArea1::Form_Activate()
{
    previewPanel->saveNormalLayout();
    SSTab2->setCurrentIndex(0);
    CurrentCategory = Catalogue::overviewCategory;
}

bool WorkArea1::eventFilter(QObject *watched, QEvent *event)
{
    const bool strip = watched == SSTab2 || innerTabs.contains(qobject_cast<QTabWidget *>(watched));
    if (strip && (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show))
        placeWorkPanel();
    if (watched == VSGd1 && event->type() == QEvent::Resize)
        sizeOverview();
    return AreaWindow::eventFilter(watched, event);
}
