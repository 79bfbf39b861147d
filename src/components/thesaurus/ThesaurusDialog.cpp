#include "components/thesaurus/ThesaurusDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ThesaurusDialog::ThesaurusDialog(const Thesaurus &thesaurus, QWidget *parent)
    : QDialog(parent), m_thesaurus(thesaurus)
{
    setObjectName(QStringLiteral("ThesaurusDialog"));
    setWindowTitle(tr("Thesaurus"));
    auto *grid = new QGridLayout(this);

    m_lookedUp = new QLabel(this);
    m_lookedUp->setObjectName(QStringLiteral("LookedUp"));
    m_meanings = new QListWidget(this);
    m_meanings->setObjectName(QStringLiteral("Meanings"));
    auto *meaningsLabel = new QLabel(tr("&Meanings:"), this);
    meaningsLabel->setBuddy(m_meanings);
    m_synonyms = new QListWidget(this);
    m_synonyms->setObjectName(QStringLiteral("Synonyms"));
    auto *synonymsLabel = new QLabel(tr("&Synonyms:"), this);
    synonymsLabel->setBuddy(m_synonyms);
    m_replaceWith = new QLineEdit(this);
    m_replaceWith->setObjectName(QStringLiteral("ReplaceWith"));
    auto *replaceLabel = new QLabel(tr("Replace &with:"), this);
    replaceLabel->setBuddy(m_replaceWith);

    connect(m_meanings, &QListWidget::currentRowChanged, this, &ThesaurusDialog::showMeaning);
    connect(m_synonyms, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_replaceWith->setText(text);
    });
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    grid->addWidget(m_lookedUp, 0, 0, 1, 2);
    grid->addWidget(meaningsLabel, 1, 0);
    grid->addWidget(synonymsLabel, 1, 1);
    grid->addWidget(m_meanings, 2, 0);
    grid->addWidget(m_synonyms, 2, 1);
    grid->addWidget(replaceLabel, 3, 0, 1, 2);
    grid->addWidget(m_replaceWith, 4, 0, 1, 2);

    auto *buttons = new QVBoxLayout;
    auto *replace = new QPushButton(tr("&Replace"), this);
    replace->setObjectName(QStringLiteral("Replace"));
    replace->setDefault(true);
    connect(replace, &QPushButton::clicked, this, &QDialog::accept);
    auto *lookUpButton = new QPushButton(tr("&Look Up"), this);
    lookUpButton->setObjectName(QStringLiteral("LookUp"));
    lookUpButton->setAutoDefault(false);
    connect(lookUpButton, &QPushButton::clicked, this, [this] { lookUp(m_replaceWith->text()); });
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
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
