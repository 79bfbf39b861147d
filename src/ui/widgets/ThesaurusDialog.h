#pragma once

#include <QDialog>

#include "core/spelling/Thesaurus.h"

class QLabel;
class QLineEdit;
class QListWidget;

// The thesaurus dialog: the meanings of a word and their synonyms; Replace returns the chosen word.
class ThesaurusDialog : public QDialog, public ThesaurusAsker
{
    Q_OBJECT

public:
    ThesaurusDialog(const Thesaurus &thesaurus, QWidget *parent = nullptr);

    // Shows the dialog modally; "" when cancelled.
    QString replacementFor(const QString &word) override;
    // Fills the dialog with the meanings of `word` without showing it.
    void lookUp(const QString &word);

private:
    void showMeaning(int row);

    const Thesaurus &m_thesaurus;
    QLabel *m_lookedUp = nullptr;
    QListWidget *m_meanings = nullptr;
    QListWidget *m_synonyms = nullptr;
    QLineEdit *m_replaceWith = nullptr;
    QList<ThesaurusMeaning> m_found;
};
