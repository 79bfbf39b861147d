#include "ui/record/DecisionDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/workbook/Clock.h"
#include "ui/widgets/Dialogs.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"

namespace {

const QString caption = QStringLiteral("Addressable Decision");

template <typename W> W *named(W *widget, const char *name, const QString &accessible)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessible);
    return widget;
}

} // namespace

DecisionDialog::DecisionDialog(int item, const Decision &current, QWidget *parent)
    : QDialog(parent), m_item(item),
      m_choice(named(new QComboBox(this), "decisionChoice", QStringLiteral("Decision"))),
      m_reasons(named(new QPlainTextEdit(current.reasons, this), "decisionReasons", QStringLiteral("Reasons"))),
      m_alternative(named(new QPlainTextEdit(current.alternative, this), "decisionAlternative",
                          QStringLiteral("Alternative measure"))),
      m_decidedBy(named(new QLineEdit(this), "decisionBy", QStringLiteral("Decided by"))),
      m_date(named(new QDateEdit(this), "decisionDate", QStringLiteral("Date"))),
      m_save(named(new QPushButton(QStringLiteral("&Save"), this), "saveDecisionButton", {})),
      m_cancel(named(new QPushButton(QStringLiteral("Cancel"), this), "cancelButton", {}))
{
    setObjectName(QStringLiteral("decisionDialog"));
    setWindowTitle(caption);
    for (int choice = Decision::Undecided; choice <= Decision::NotReasonable; ++choice)
        m_choice->addItem(Decision::text(Decision::Choice(choice)), choice);
    m_choice->setCurrentIndex(current.choice);
    m_decidedBy->setText(current.decidedBy.isEmpty() ? RecordItems::userName() : current.decidedBy);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("MMM d, yyyy"));
    m_date->setDate(current.decidedOn.isValid() ? current.decidedOn : Clock::current().now().date());
    for (QPlainTextEdit *edit : {m_reasons, m_alternative})
        edit->setTabChangesFocus(true);

    auto *form = new QFormLayout;
    auto *title = new QLabel(RecordItems::title(item), this);
    title->setObjectName(QStringLiteral("decisionItem"));
    form->addRow(title);
    const auto row = [&](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("&Decision:"), m_choice);
    row(QStringLiteral("&Reasons:"), m_reasons);
    row(QStringLiteral("&Alternative measure:"), m_alternative);
    row(QStringLiteral("Decided &by:"), m_decidedBy);
    row(QStringLiteral("Da&te:"), m_date);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    form->addRow(buttons);
    setLayout(form);
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &DecisionDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_choice, &QComboBox::currentIndexChanged, this, &DecisionDialog::showChoice);
    showChoice();
    resize(560, 420);
}

void DecisionDialog::showChoice()
{
    m_alternative->setEnabled(m_choice->currentData().toInt() == Decision::Alternative);
}

Decision DecisionDialog::decision() const
{
    Decision d;
    d.choice = Decision::Choice(m_choice->currentData().toInt());
    d.reasons = m_reasons->toPlainText().trimmed();
    d.alternative = d.choice == Decision::Alternative ? m_alternative->toPlainText().trimmed() : QString();
    d.decidedBy = m_decidedBy->text().trimmed();
    d.decidedOn = m_date->date();
    d.recordedAt = Clock::current().now();
    return d;
}

void DecisionDialog::save()
{
    const Decision d = decision();
    QString problem = d.missing();
    RecordDatabase *record = RecordDatabase::current();
    if (problem.isEmpty() && (!record || record->isReadOnly()))
        problem = QStringLiteral("The compliance record is not open for changes in this copy of the program.");
    if (problem.isEmpty()) {
        if (const Outcome kept = Decisions(*record).record(m_item, d); !kept)
            problem = kept.error;
    }
    if (!problem.isEmpty()) {
        Dialogs::current().messageBox(problem, Dialogs::OkOnly + Dialogs::Exclamation, caption);
        return;
    }
    RecordItems::rememberUserName(d.decidedBy);
    accept();
}
