#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;
class DecisionDialog;
class DecisionRegister;
class HistoryWindow;
class RecordPreviewWindow;
class ReviewsDueWindow;

// The compliance record beside an item of the work area: the decision of an Addressable item with its
// "Decision…" and "Register…" buttons, and for the entry shown its review and its "History…".
class RecordBar : public QWidget
{
    Q_OBJECT

public:
    struct Hooks {
        // Puts a version's RTF into the entry shown and saves it; false when it was not saved.
        std::function<bool(const QByteArray &rtf)> restore;
        // The statuses of the items, index = item, for the report.
        std::function<std::array<QString, 51>()> statuses;
    };

    explicit RecordBar(Hooks hooks, QWidget *parent = nullptr);

    // The item shown (1 to 47; anything else hides the bar) and the entry kind shown (0 for none).
    void showItem(int item, int kind);

    DecisionDialog *editDecision();
    DecisionRegister *openRegister();
    HistoryWindow *openHistory();
    ReviewsDueWindow *openReviewsDue();
    RecordPreviewWindow *openReport();
    // Records that the entry shown was reviewed today by the user.
    void markReviewed();
    // Keeps the review interval of the entry shown as the interval box holds it.
    void keepInterval();

private:
    void refresh();
    template <typename W> W *shown(W *window);

    Hooks m_hooks;
    int m_item = 0;
    int m_kind = 0;
    QLabel *m_decision;
    QLabel *m_review;
    QPushButton *m_decide;
    QPushButton *m_register;
    QPushButton *m_history;
    QPushButton *m_reviewed;
    QLabel *m_intervalLabel;
    QSpinBox *m_interval;
    QWidget *m_buttons = nullptr;
    QWidget *m_reviewLine = nullptr;
};
