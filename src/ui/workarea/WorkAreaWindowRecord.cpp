#include "ui/workarea/WorkAreaWindow.h"

#include <QAction>
#include <QMenu>
#include <QRadioButton>

#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/record/RecordBar.h"
#include "core/catalogue/Catalogue.h"

void WorkAreaWindow::createRecordBar()
{
    RecordBar::Hooks hooks;
    hooks.restore = [this](const QByteArray &rtf) {
        if (!entryEditor->setTextRTF(rtf))
            return false;
        EntryChanged = 1;
        return saveEntry();
    };
    hooks.statuses = [this] { return statusTable; };
    recordBar = new RecordBar(std::move(hooks), itemPanel);
}

void WorkAreaWindow::addRecordMenuItems()
{
    mORegister = addMenuItem(optionsMenu, QStringLiteral("mORegister"), QStringLiteral("Decision &Register…"));
    mOReviews = addMenuItem(optionsMenu, QStringLiteral("mOReviews"), QStringLiteral("Reviews &Due…"));
    mORecordReport = addMenuItem(optionsMenu, QStringLiteral("mORecordReport"), QStringLiteral("Compliance Re&cord…"));
    connect(mORegister, &QAction::triggered, recordBar, &RecordBar::openRegister);
    connect(mOReviews, &QAction::triggered, recordBar, &RecordBar::openReviewsDue);
    connect(mORecordReport, &QAction::triggered, recordBar, &RecordBar::openReport);
}

void WorkAreaWindow::updateRecordBar()
{
    if (!recordBar)
        return;
    const bool items = CurrentCategory != Catalogue::overviewCategory && CurrentCategory != Catalogue::sampleCategory;
    const int item = items ? Catalogue::specificationNumber(CurrentCategory, CurrentItemTab) : 0;
    recordBar->showItem(item, isEntryView(m_shownView) ? EntryKind : 0);
}
