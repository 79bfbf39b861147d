#pragma once

#include <QDialog>

#include "core/spelling/SpellCheck.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

// The spelling checker's dialog: the word in its sentence, suggestions, and the user's choices.
class SpellDialog : public QDialog, public SpellAsker
{
    Q_OBJECT

public:
    explicit SpellDialog(QWidget *parent = nullptr);

    // Shows the word modally and returns the user's decision; closing the dialog cancels.
    SpellAnswer ask(const SpellQuestion &question) override;
    // Fills the dialog without showing it.
    void present(const SpellQuestion &question);

signals:
    void helpRequested();

private:
    QPushButton *addButton(const QString &name, const QString &caption, SpellAnswer::Action action);
    void finishWith(SpellAnswer::Action action);

    QTextEdit *m_sentence = nullptr;
    QLineEdit *m_changeTo = nullptr;
    QListWidget *m_suggestions = nullptr;
    QList<QPushButton *> m_buttons;
    SpellAnswer m_answer;
    QString m_word;
};
