#include "ui/record/RecordBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "core/record/Decisions.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/record/RecordReport.h"
#include "core/record/Reviews.h"
#include "ui/record/DecisionDialog.h"
#include "ui/record/DecisionRegister.h"
#include "ui/record/HistoryWindow.h"
#include "ui/record/RecordPreviewWindow.h"
#include "ui/record/RecordWidgets.h"
#include "ui/record/ReviewsDueWindow.h"

using RecordWidgets::button;

namespace {

const QString caption = QStringLiteral("Compliance Record");

bool writable()
{
    const RecordDatabase *record = RecordDatabase::current();
    return record && !record->isReadOnly();
}

void tell(const QString &text)
{
    Dialogs::current().messageBox(text, Dialogs::OkOnly + Dialogs::Exclamation, caption);
}

QString day(QDate date)
{
    return date.toString(QStringLiteral("MMM d, yyyy"));
}

} // namespace

RecordBar::RecordBar(Hooks hooks, QWidget *parent)
    : QWidget(parent), m_hooks(std::move(hooks)), m_decision(new QLabel(this)), m_review(new QLabel(this)),
      m_decide(button("decisionButton", QStringLiteral("&Decision…"), this)),
      m_register(button("registerButton", QStringLiteral("Re&gister…"), this)),
      m_history(button("historyButton", QStringLiteral("H&istory…"), this)),
      m_reviewed(button("reviewedButton", QStringLiteral("Re&viewed"), this)),
      m_intervalLabel(new QLabel(QStringLiteral("Revie&w every"), this)), m_interval(new QSpinBox(this))
{
    m_interval->setObjectName(QStringLiteral("reviewInterval"));
    m_interval->setRange(1, 120);
    m_interval->setSuffix(QStringLiteral(" months"));
    m_interval->setValue(Reviews::DefaultMonths);
    m_intervalLabel->setBuddy(m_interval);
    setObjectName(QStringLiteral("recordBar"));
    m_decision->setObjectName(QStringLiteral("decisionLabel"));
    m_review->setObjectName(QStringLiteral("reviewLabel"));
    m_reviewed->setToolTip(QStringLiteral("Record that this entry was reviewed today"));
    // Three lines beside the item's labels, as tall as they are: the decision; the buttons; the review
    // with its interval. Who decided and who reviewed are in the tooltips.
    const auto row = [this](std::initializer_list<QWidget *> parts) {
        auto *line = new QWidget(this);
        auto *h = new QHBoxLayout(line);
        h->setContentsMargins(0, 0, 0, 0);
        for (QWidget *part : parts) {
            part->setParent(line);
            h->addWidget(part);
        }
        h->addStretch();
        return line;
    };
    m_buttons = row({m_decide, m_register, m_reviewed, m_history});
    m_reviewLine = row({m_review, m_intervalLabel, m_interval});
    auto *layout = new QVBoxLayout(this);
    // Apart from the labels; nothing of it takes room while it is hidden.
    layout->setContentsMargins(16, 0, 0, 0);
    layout->setSpacing(2);
    for (QWidget *part : std::initializer_list<QWidget *>{m_decision, m_buttons, m_reviewLine})
        layout->addWidget(part);
    layout->addStretch();
    connect(m_decide, &QPushButton::clicked, this, &RecordBar::editDecision);
    connect(m_register, &QPushButton::clicked, this, &RecordBar::openRegister);
    connect(m_history, &QPushButton::clicked, this, &RecordBar::openHistory);
    connect(m_reviewed, &QPushButton::clicked, this, &RecordBar::markReviewed);
    connect(m_interval, &QSpinBox::editingFinished, this, &RecordBar::keepInterval);
    setVisible(false);
}

void RecordBar::showItem(int item, int kind)
{
    m_item = item >= 1 && item <= 47 ? item : 0;
    m_kind = m_item ? kind : 0;
    refresh();
}

void RecordBar::refresh()
{
    RecordDatabase *record = RecordDatabase::current();
    setVisible(m_item != 0 && record);
    if (m_item == 0 || !record)
        return;
    const bool addressable = RecordItems::isAddressable(m_item);
    const bool entry = m_kind != 0;
    for (QWidget *w : std::initializer_list<QWidget *>{m_decision, m_decide, m_register})
        w->setVisible(addressable);
    for (QWidget *w : std::initializer_list<QWidget *>{m_reviewed, m_history, m_reviewLine})
        w->setVisible(entry);
    m_buttons->setVisible(addressable || entry);
    if (addressable) {
        const Result<QMap<int, Decision>> current = Decisions(*record).current();
        const Decision decision = current ? current->value(m_item) : Decision();
        m_decision->setText(QStringLiteral("Decision: ") + Decision::text(decision.choice));
        m_decision->setToolTip(decision.choice == Decision::Undecided
                                   ? QString()
                                   : QStringLiteral("Decided by %1 on %2").arg(decision.decidedBy, day(decision.decidedOn)));
        m_decide->setEnabled(writable());
    }
    if (entry) {
        const Result<ReviewState> state = Reviews(*record).state(m_item, m_kind);
        QString text = QStringLiteral("Not reviewed");
        if (state && state->lastReviewed.isValid())
            text = QStringLiteral("Reviewed %1").arg(day(state->lastReviewed));
        if (state && state->nextDue.isValid())
            text += QStringLiteral("; due %1").arg(day(state->nextDue));
        m_review->setText(text);
        m_review->setToolTip(state && state->lastReviewed.isValid()
                                 ? QStringLiteral("Reviewed by %1").arg(state->reviewedBy)
                                 : QString());
        m_reviewed->setEnabled(writable());
        m_interval->setEnabled(writable());
        m_interval->setValue(state ? state->months : Reviews::DefaultMonths);
    }
}

template <typename W> W *RecordBar::shown(W *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this, &RecordBar::refresh);
    window->open();
    return window;
}

DecisionDialog *RecordBar::editDecision()
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record || !RecordItems::isAddressable(m_item))
        return nullptr;
    const Result<QMap<int, Decision>> current = Decisions(*record).current();
    return shown(new DecisionDialog(m_item, current ? current->value(m_item) : Decision(), window()));
}

DecisionRegister *RecordBar::openRegister()
{
    return shown(new DecisionRegister(window()));
}

HistoryWindow *RecordBar::openHistory()
{
    if (!m_kind)
        return nullptr;
    return shown(new HistoryWindow(m_item, m_kind, m_hooks.restore, window()));
}

ReviewsDueWindow *RecordBar::openReviewsDue()
{
    return shown(new ReviewsDueWindow(window()));
}

RecordPreviewWindow *RecordBar::openReport()
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record) {
        tell(QStringLiteral("There is no compliance record open in this copy of the program."));
        return nullptr;
    }
    const Result<QList<RecordReport::ItemRecord>> rows =
        RecordReport::items(*record, m_hooks.statuses ? m_hooks.statuses() : std::array<QString, 51>{});
    if (!rows) {
        tell(rows.error());
        return nullptr;
    }
    return shown(new RecordPreviewWindow(QStringLiteral("Compliance Record"),
                                         RecordReport::complianceHtml(rows.value(), Clock::current().now()), window()));
}

void RecordBar::markReviewed()
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record || !m_kind)
        return;
    if (const Outcome kept = Reviews(*record).recordReview(m_item, m_kind, Clock::current().now().date(),
                                                           RecordItems::userName(), Clock::current().now());
        !kept)
        tell(kept.error);
    refresh();
}

void RecordBar::keepInterval()
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record || !m_kind || record->isReadOnly())
        return;
    const Result<ReviewState> state = Reviews(*record).state(m_item, m_kind);
    if (state && state->months == m_interval->value())
        return;
    if (const Outcome kept = Reviews(*record).setInterval(m_item, m_kind, m_interval->value()); !kept)
        tell(kept.error);
    refresh();
}
