#pragma once

#include <QDialog>

#include "core/record/Decisions.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Records the decision on one Addressable item: the choice, its reasons, the alternative measure, who
// decided and when. Saving refuses an incomplete decision, saying what is missing.
class DecisionDialog : public QDialog
{
    Q_OBJECT

public:
    DecisionDialog(int item, const Decision &current, QWidget *parent = nullptr);

    QComboBox *choiceBox() const { return m_choice; }
    QPlainTextEdit *reasonsEdit() const { return m_reasons; }
    QPlainTextEdit *alternativeEdit() const { return m_alternative; }
    QLineEdit *decidedByEdit() const { return m_decidedBy; }
    QDateEdit *dateEdit() const { return m_date; }
    QPushButton *saveButton() const { return m_save; }

    Decision decision() const;
    // Records the decision; accepts the dialog when it was kept, tells the user why not otherwise.
    void save();

private:
    void showChoice();

    int m_item;
    QComboBox *m_choice;
    QPlainTextEdit *m_reasons;
    QPlainTextEdit *m_alternative;
    QLineEdit *m_decidedBy;
    QDateEdit *m_date;
    QPushButton *m_save;
    QPushButton *m_cancel;
};
