#include "ui/risk/RiskEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "core/risk/RiskTableModel.h"
#include "core/catalogue/Catalogue.h"

namespace {

QComboBox *editableBox(QWidget *parent, const QString &name, const QString &accessibleName)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setAccessibleName(accessibleName);
    box->lineEdit()->setAccessibleName(accessibleName);
    return box;
}

void fillScale(QComboBox *box, const RiskScale::Step &(*step)(int))
{
    for (int value = RiskScale::Lowest; value <= RiskScale::Highest; ++value) {
        box->addItem(QStringLiteral("%1 %2").arg(value).arg(QLatin1String(step(value).word)), value);
        box->setItemData(box->count() - 1, QString::fromLatin1(step(value).meaning), Qt::ToolTipRole);
    }
}

QString ratingText(const RiskRating &rating)
{
    return QStringLiteral("%1 %2 (%3)")
        .arg(rating.ratedOn.toString(Qt::ISODate))
        .arg(rating.score())
        .arg(RiskScale::levelName(RiskScale::levelOfScore(rating.score())));
}

} // namespace

RiskEditor::RiskEditor(QWidget *parent) : QGroupBox(QStringLiteral("Risk"), parent)
{
    setObjectName(QStringLiteral("riskEditor"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createWhatBox(), 3);
    layout->addWidget(createRatingBox(), 2);
    layout->addWidget(createPlanBox(), 3);
    setRisk(Risk{});
}

QWidget *RiskEditor::createWhatBox()
{
    auto *box = new QWidget(this);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    assetBox = editableBox(box, QStringLiteral("assetBox"), QStringLiteral("Asset"));
    form->addRow(QStringLiteral("Ass&et:"), assetBox);
    threatBox = editableBox(box, QStringLiteral("threatBox"), QStringLiteral("Threat"));
    form->addRow(QStringLiteral("Th&reat:"), threatBox);
    groupBox = new QComboBox(box);
    groupBox->setObjectName(QStringLiteral("groupBox"));
    groupBox->addItems(ThreatList::groups());
    form->addRow(QStringLiteral("Threat &group:"), groupBox);
    vulnerabilityBox = new QPlainTextEdit(box);
    vulnerabilityBox->setObjectName(QStringLiteral("vulnerabilityBox"));
    vulnerabilityBox->setTabChangesFocus(true);
    vulnerabilityBox->setMaximumHeight(60);
    form->addRow(QStringLiteral("&Vulnerability:"), vulnerabilityBox);
    safeguardList = new QListWidget(box);
    safeguardList->setObjectName(QStringLiteral("safeguardList"));
    safeguardList->setAccessibleName(QStringLiteral("Safeguards in place"));
    for (int number = 1; number <= Catalogue::itemCount; ++number) {
        const Catalogue::Item *item = Catalogue::item(number);
        auto *row = new QListWidgetItem(QStringLiteral("%1 %2").arg(number).arg(QString::fromLatin1(item->specification)),
                                        safeguardList);
        row->setData(Qt::UserRole, number);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        row->setCheckState(Qt::Unchecked);
    }
    safeguardList->setMaximumHeight(80);
    form->addRow(QStringLiteral("Sa&feguards in place:"), safeguardList);
    connect(threatBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (const QString group = m_threats.groupOf(text); !group.isEmpty() && !m_filling)
            groupBox->setCurrentText(group);
        touched();
    });
    for (QComboBox *combo : {assetBox, groupBox})
        connect(combo, &QComboBox::currentTextChanged, this, &RiskEditor::touched);
    connect(vulnerabilityBox, &QPlainTextEdit::textChanged, this, &RiskEditor::touched);
    connect(safeguardList, &QListWidget::itemChanged, this, &RiskEditor::touched);
    return box;
}

QWidget *RiskEditor::createRatingBox()
{
    auto *box = new QWidget(this);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    likelihoodBox = new QComboBox(box);
    likelihoodBox->setObjectName(QStringLiteral("likelihoodBox"));
    fillScale(likelihoodBox, &RiskScale::likelihood);
    form->addRow(QStringLiteral("L&ikelihood:"), likelihoodBox);
    likelihoodMeaning = new QLabel(box);
    likelihoodMeaning->setWordWrap(true);
    form->addRow(likelihoodMeaning);
    impactBox = new QComboBox(box);
    impactBox->setObjectName(QStringLiteral("impactBox"));
    fillScale(impactBox, &RiskScale::impact);
    form->addRow(QStringLiteral("I&mpact:"), impactBox);
    impactMeaning = new QLabel(box);
    impactMeaning->setWordWrap(true);
    form->addRow(impactMeaning);
    levelLabel = new QLabel(box);
    levelLabel->setObjectName(QStringLiteral("levelLabel"));
    form->addRow(QStringLiteral("Score:"), levelLabel);
    trendLabel = new QLabel(box);
    trendLabel->setObjectName(QStringLiteral("trendLabel"));
    trendLabel->setWordWrap(true);
    form->addRow(QStringLiteral("Ratings:"), trendLabel);
    for (QComboBox *combo : {likelihoodBox, impactBox})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            showRating();
            touched();
        });
    return box;
}

QWidget *RiskEditor::createPlanBox()
{
    auto *box = new QWidget(this);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    responseBox = new QComboBox(box);
    responseBox->setObjectName(QStringLiteral("responseBox"));
    responseBox->addItems(RiskScale::responseNames());
    form->addRow(QStringLiteral("Response:"), responseBox);
    measureBox = new QLineEdit(box);
    measureBox->setObjectName(QStringLiteral("measureBox"));
    form->addRow(QStringLiteral("Planned measure:"), measureBox);
    ownerBox = editableBox(box, QStringLiteral("ownerBox"), QStringLiteral("Owner"));
    form->addRow(QStringLiteral("Owner:"), ownerBox);
    auto *dueRow = new QWidget(box);
    auto *dueLayout = new QHBoxLayout(dueRow);
    dueLayout->setContentsMargins(0, 0, 0, 0);
    dueCheck = new QCheckBox(QStringLiteral("Due &by"), dueRow);
    dueCheck->setObjectName(QStringLiteral("dueCheck"));
    dueBox = new QDateEdit(dueRow);
    dueBox->setObjectName(QStringLiteral("dueBox"));
    dueBox->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dueBox->setCalendarPopup(true);
    dueBox->setAccessibleName(QStringLiteral("Due date"));
    dueLayout->addWidget(dueCheck);
    dueLayout->addWidget(dueBox, 1);
    form->addRow(QStringLiteral("Due date:"), dueRow);
    statusBox = new QComboBox(box);
    statusBox->setObjectName(QStringLiteral("statusBox"));
    statusBox->addItems({QStringLiteral("Open"), QStringLiteral("Closed")});
    form->addRow(QStringLiteral("Status:"), statusBox);
    todoLabel = new QLabel(box);
    todoLabel->setObjectName(QStringLiteral("todoLabel"));
    form->addRow(QStringLiteral("To-do row:"), todoLabel);
    connect(dueCheck, &QCheckBox::toggled, dueBox, &QWidget::setEnabled);
    connect(dueCheck, &QCheckBox::toggled, this, &RiskEditor::touched);
    connect(dueBox, &QDateEdit::dateChanged, this, &RiskEditor::touched);
    connect(measureBox, &QLineEdit::textChanged, this, &RiskEditor::touched);
    for (QComboBox *combo : {responseBox, ownerBox, statusBox})
        connect(combo, &QComboBox::currentTextChanged, this, &RiskEditor::touched);
    return box;
}

void RiskEditor::setChoices(const QStringList &assets, const ThreatList &threats, const QStringList &owners)
{
    m_filling = true;
    m_threats = threats;
    const Risk keep = risk();
    assetBox->clear();
    assetBox->addItems(assets);
    threatBox->clear();
    for (const ThreatList::Threat &threat : threats.all())
        threatBox->addItem(threat.name);
    ownerBox->clear();
    ownerBox->addItems(owners);
    m_filling = false;
    const bool changed = m_changed;
    const Risk shown = m_shown;
    setRisk(keep);
    m_shown = shown;
    m_changed = changed;
}

void RiskEditor::setRisk(const Risk &risk)
{
    m_filling = true;
    m_shown = risk;
    assetBox->setCurrentText(risk.asset);
    threatBox->setCurrentText(risk.threat);
    groupBox->setCurrentText(risk.threatGroup.isEmpty() ? m_threats.groupOf(risk.threat) : risk.threatGroup);
    vulnerabilityBox->setPlainText(risk.vulnerability);
    for (int row = 0; row < safeguardList->count(); ++row) {
        QListWidgetItem *item = safeguardList->item(row);
        item->setCheckState(risk.safeguards.contains(item->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
    }
    likelihoodBox->setCurrentIndex(qBound(1, risk.rating.likelihood, 5) - 1);
    impactBox->setCurrentIndex(qBound(1, risk.rating.impact, 5) - 1);
    responseBox->setCurrentIndex(int(risk.response));
    measureBox->setText(risk.measure);
    ownerBox->setCurrentText(risk.owner);
    dueCheck->setChecked(risk.due.isValid());
    dueBox->setEnabled(risk.due.isValid());
    dueBox->setDate(risk.due.isValid() ? risk.due : QDate::currentDate());
    statusBox->setCurrentIndex(risk.open ? 0 : 1);
    todoLabel->setText(risk.todoRow > 0 ? QString::number(risk.todoRow) : QStringLiteral("not sent"));
    setTitle(risk.id > 0 ? QStringLiteral("Risk %1").arg(risk.id) : QStringLiteral("New risk"));
    showRating();
    m_filling = false;
    m_changed = false;
}

Risk RiskEditor::risk() const
{
    Risk risk = m_shown;
    risk.asset = assetBox->currentText().trimmed();
    risk.threat = threatBox->currentText().trimmed();
    risk.threatGroup = groupBox->currentText();
    risk.vulnerability = vulnerabilityBox->toPlainText();
    risk.safeguards.clear();
    for (int row = 0; row < safeguardList->count(); ++row)
        if (safeguardList->item(row)->checkState() == Qt::Checked)
            risk.safeguards << safeguardList->item(row)->data(Qt::UserRole).toInt();
    risk.rating.likelihood = likelihoodBox->currentData().toInt();
    risk.rating.impact = impactBox->currentData().toInt();
    risk.response = RiskScale::Response(qMax(0, responseBox->currentIndex()));
    risk.measure = measureBox->text();
    risk.owner = ownerBox->currentText().trimmed();
    risk.due = dueCheck->isChecked() ? dueBox->date() : QDate();
    risk.open = statusBox->currentIndex() != 1;
    return risk;
}

QString RiskEditor::problem() const
{
    if (assetBox->currentText().trimmed().isEmpty())
        return QStringLiteral("Name the asset or place the risk is about.");
    if (threatBox->currentText().trimmed().isEmpty())
        return QStringLiteral("Name the threat.");
    return {};
}

void RiskEditor::showRating()
{
    const int likelihood = likelihoodBox->currentData().toInt();
    const int impact = impactBox->currentData().toInt();
    likelihoodMeaning->setText(QString::fromLatin1(RiskScale::likelihood(likelihood).meaning));
    impactMeaning->setText(QString::fromLatin1(RiskScale::impact(impact).meaning));
    const int score = RiskScale::score(likelihood, impact);
    levelLabel->setText(QStringLiteral("%1 (%2)").arg(score).arg(RiskScale::levelName(RiskScale::levelOfScore(score))));
    QStringList ratings;
    for (const RiskRating &rating : m_shown.earlier)
        ratings << ratingText(rating);
    if (m_shown.id > 0)
        ratings << ratingText(m_shown.rating);
    const QString trend = RiskTableModel::trendText(m_shown.trend());
    trendLabel->setText(ratings.isEmpty() ? QStringLiteral("not yet rated")
                                          : ratings.join(QStringLiteral(" \u2192 ")) +
                                                (trend.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(trend)));
}

void RiskEditor::touched()
{
    if (m_filling)
        return;
    m_changed = true;
    emit changed();
}
