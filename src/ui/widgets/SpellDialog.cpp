#include "ui/widgets/SpellDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/widgets/DialogParts.h"

using namespace DialogParts;

SpellDialog::SpellDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SpellDialog"));
    setWindowTitle(tr("Spelling"));
    auto *grid = new QGridLayout(this);

    m_sentence = named<QTextEdit>(this, QStringLiteral("NotInDictionary"));
    m_sentence->setReadOnly(true);
    m_sentence->setMaximumHeight(64);
    m_changeTo = named<QLineEdit>(this, QStringLiteral("ChangeTo"));
    m_suggestions = named<QListWidget>(this, QStringLiteral("Suggestions"));
    connect(m_suggestions, &QListWidget::currentTextChanged, m_changeTo, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, [this] { finishWith(SpellAnswer::Change); });

    grid->addWidget(buddyLabel(tr("&Not in Dictionary:"), m_sentence), 0, 0);
    grid->addWidget(m_sentence, 1, 0);
    grid->addWidget(buddyLabel(tr("Change &To:"), m_changeTo), 2, 0);
    grid->addWidget(m_changeTo, 3, 0);
    grid->addWidget(buddyLabel(tr("&Suggestions:"), m_suggestions), 4, 0);
    grid->addWidget(m_suggestions, 5, 0);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(addButton(QStringLiteral("Ignore"), tr("&Ignore"), SpellAnswer::Ignore));
    buttons->addWidget(addButton(QStringLiteral("IgnoreAll"), tr("I&gnore All"), SpellAnswer::IgnoreAll));
    buttons->addWidget(addButton(QStringLiteral("Add"), tr("&Add"), SpellAnswer::Add));
    buttons->addSpacing(8);
    buttons->addWidget(addButton(QStringLiteral("Change"), tr("&Change"), SpellAnswer::Change));
    buttons->addWidget(addButton(QStringLiteral("ChangeAll"), tr("Change A&ll"), SpellAnswer::ChangeAll));
    buttons->addWidget(addButton(QStringLiteral("AutoCorrect"), tr("A&utoCorrect"), SpellAnswer::AutoCorrect));
    buttons->addSpacing(8);
    buttons->addWidget(addButton(QStringLiteral("Cancel"), tr("Cancel"), SpellAnswer::Cancel));
    auto *help = button(this, QStringLiteral("Help"), tr("&Help"));
    connect(help, &QPushButton::clicked, this, &SpellDialog::helpRequested);
    buttons->addWidget(help);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 1, 6, 1);
    grid->setRowStretch(5, 1);
    resize(460, 250);
}

QPushButton *SpellDialog::addButton(const QString &name, const QString &caption, SpellAnswer::Action action)
{
    QPushButton *b = button(this, name, caption);
    connect(b, &QPushButton::clicked, this, [this, action] { finishWith(action); });
    m_buttons.append(b);
    return b;
}

void SpellDialog::finishWith(SpellAnswer::Action action)
{
    m_answer = {action, m_changeTo->text().trimmed()};
    if (action == SpellAnswer::Cancel)
        reject();
    else
        accept();
}

void SpellDialog::present(const SpellQuestion &question)
{
    m_word = question.word;
    const QString before = question.sentence.left(question.wordInSentence).toHtmlEscaped();
    const QString word = question.sentence.mid(question.wordInSentence, question.word.size()).toHtmlEscaped();
    const QString after = question.sentence.mid(question.wordInSentence + question.word.size()).toHtmlEscaped();
    m_sentence->setHtml(before + QStringLiteral("<b><font color=\"#c00000\">") + word + QStringLiteral("</font></b>")
                        + after);
    m_suggestions->clear();
    m_suggestions->addItems(question.suggestions);
    if (question.suggestions.isEmpty()) {
        m_changeTo->setText(question.word);
    } else {
        m_suggestions->setCurrentRow(0);
        m_changeTo->setText(question.suggestions.first());
    }
    m_buttons.at(3)->setDefault(!question.suggestions.isEmpty());
    m_buttons.at(0)->setDefault(question.suggestions.isEmpty());
}

SpellAnswer SpellDialog::ask(const SpellQuestion &question)
{
    present(question);
    m_answer = {SpellAnswer::Cancel, {}};
    m_changeTo->setFocus();
    m_changeTo->selectAll();
    exec();
    return m_answer;
}
