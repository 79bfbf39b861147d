#pragma once

#include <QGroupBox>

#include "core/risk/Risk.h"
#include "core/risk/ThreatList.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// The fields of one risk, for editing: what the register's current row holds, or a new risk.
class RiskEditor : public QGroupBox
{
    Q_OBJECT

public:
    explicit RiskEditor(QWidget *parent = nullptr);

    QComboBox *assetBox = nullptr;
    QComboBox *threatBox = nullptr;
    QComboBox *groupBox = nullptr;
    QPlainTextEdit *vulnerabilityBox = nullptr;
    QListWidget *safeguardList = nullptr;
    QComboBox *likelihoodBox = nullptr;
    QComboBox *impactBox = nullptr;
    QLabel *likelihoodMeaning = nullptr;
    QLabel *impactMeaning = nullptr;
    QLabel *levelLabel = nullptr;
    QLabel *trendLabel = nullptr;
    QComboBox *responseBox = nullptr;
    QLineEdit *measureBox = nullptr;
    QComboBox *ownerBox = nullptr;
    QCheckBox *dueCheck = nullptr;
    QDateEdit *dueBox = nullptr;
    QComboBox *statusBox = nullptr;
    QLabel *todoLabel = nullptr;

    void setChoices(const QStringList &assets, const ThreatList &threats, const QStringList &owners);
    // Shows `risk` unchanged.
    void setRisk(const Risk &risk);
    // The risk as edited: the shown risk with the fields' values.
    Risk risk() const;
    const Risk &shown() const { return m_shown; }
    bool isChanged() const { return m_changed; }
    // Why the fields cannot be saved; empty when they can.
    QString problem() const;

signals:
    void changed();

private:
    QWidget *createWhatBox();
    QWidget *createRatingBox();
    QWidget *createPlanBox();
    void showRating();
    void touched();

    Risk m_shown;
    ThreatList m_threats;
    bool m_changed = false;
    bool m_filling = false;
};
