#include "ui/widgets/ThesaurusDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/DialogParts.h"

using namespace DialogParts;

ThesaurusDialog::ThesaurusDialog(const Thesaurus &thesaurus, QWidget *parent)
    : QDialog(parent), m_thesaurus(thesaurus)
{
    setObjectName(QStringLiteral("ThesaurusDialog"));
    setWindowTitle(tr("Thesaurus"));
    auto *grid = new QGridLayout(this);

    m_lookedUp = named<QLabel>(this, QStringLiteral("LookedUp"));
    m_meanings = named<QListWidget>(this, QStringLiteral("Meanings"));
    m_synonyms = named<QListWidget>(this, QStringLiteral("Synonyms"));
    m_replaceWith = named<QLineEdit>(this, QStringLiteral("ReplaceWith"));

    connect(m_meanings, &QListWidget::currentRowChanged, this, &ThesaurusDialog::showMeaning);
    connect(m_synonyms, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_replaceWith->setText(text);
    });
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    grid->addWidget(m_lookedUp, 0, 0, 1, 2);
    grid->addWidget(buddyLabel(tr("&Meanings:"), m_meanings), 1, 0);
    grid->addWidget(buddyLabel(tr("&Synonyms:"), m_synonyms), 1, 1);
    grid->addWidget(m_meanings, 2, 0);
    grid->addWidget(m_synonyms, 2, 1);
    grid->addWidget(buddyLabel(tr("Replace &with:"), m_replaceWith), 3, 0, 1, 2);
    grid->addWidget(m_replaceWith, 4, 0, 1, 2);

    auto *buttons = new QVBoxLayout;
    auto *replace = button(this, QStringLiteral("Replace"), tr("&Replace"));
    replace->setDefault(true);
    connect(replace, &QPushButton::clicked, this, &QDialog::accept);
    auto *lookUpButton = button(this, QStringLiteral("LookUp"), tr("&Look Up"));
    connect(lookUpButton, &QPushButton::clicked, this, [this] { lookUp(m_replaceWith->text()); });
    auto *cancel = button(this, QStringLiteral("Cancel"), tr("Cancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(replace);
    buttons->addWidget(lookUpButton);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 2, 4, 1);
    resize(520, 320);
}

void ThesaurusDialog::lookUp(const QString &word)
{
    m_found = m_thesaurus.lookup(word);
    m_lookedUp->setText(m_found.isEmpty() ? tr("No meanings found for \"%1\".").arg(word)
                                          : tr("Looked up: %1").arg(word));
    m_meanings->clear();
    m_synonyms->clear();
    m_replaceWith->setText(word);
    for (const ThesaurusMeaning &meaning : m_found)
        m_meanings->addItem(meaning.description);
    if (!m_found.isEmpty())
        m_meanings->setCurrentRow(0);
}

void ThesaurusDialog::showMeaning(int row)
{
    m_synonyms->clear();
    if (row < 0 || row >= m_found.size())
        return;
    m_synonyms->addItems(m_found[row].synonyms);
}

QString ThesaurusDialog::replacementFor(const QString &word)
{
    lookUp(word);
    m_replaceWith->setFocus();
    m_replaceWith->selectAll();
    if (exec() != QDialog::Accepted)
        return {};
    return m_replaceWith->text().trimmed();
}
