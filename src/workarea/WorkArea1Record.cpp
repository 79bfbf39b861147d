#include "workarea/WorkArea1.h"

#include <QAction>
#include <QMenu>
#include <QRadioButton>

#include "components/richtext/RichTextBox.h"
#include "ui/record/RecordBar.h"
#include "workarea/Catalogue.h"

void WorkArea1::createRecordBar()
{
    RecordBar::Hooks hooks;
    hooks.restore = [this](const QByteArray &rtf) {
        if (!Rtext3->setTextRTF(rtf))
            return false;
        EntryChanged = 1;
        return saveEntry();
    };
    hooks.statuses = [this] { return statusTable; };
    recordBar = new RecordBar(std::move(hooks), SSPanel1);
}

void WorkArea1::addRecordMenuItems()
{
    mORegister = addMenuItem(mO, QStringLiteral("mORegister"), QStringLiteral("Decision &Register…"));
    mOReviews = addMenuItem(mO, QStringLiteral("mOReviews"), QStringLiteral("Reviews &Due…"));
    mORecordReport = addMenuItem(mO, QStringLiteral("mORecordReport"), QStringLiteral("Compliance Re&cord…"));
    connect(mORegister, &QAction::triggered, recordBar, &RecordBar::openRegister);
    connect(mOReviews, &QAction::triggered, recordBar, &RecordBar::openReviewsDue);
    connect(mORecordReport, &QAction::triggered, recordBar, &RecordBar::openReport);
}

void WorkArea1::updateRecordBar()
{
    if (!recordBar)
        return;
    const bool items = CurrentCategory != Catalogue::overviewCategory && CurrentCategory != Catalogue::sampleCategory;
    const int item = items ? Catalogue::specificationNumber(CurrentCategory, CurrentItemTab) : 0;
    recordBar->showItem(item, isEntryView(m_shownView) ? EntryKind : 0);
}
