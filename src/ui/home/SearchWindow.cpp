#include "ui/home/SearchWindow.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/search/SearchService.h"
#include "ui/home/MatchDelegate.h"

namespace {

constexpr int hitLimit = 2000;
constexpr int PlaceRole = Qt::UserRole + 10;

} // namespace

SearchWindow::SearchWindow(SearchService &service, QWidget *parent) : QDialog(parent), m_service(service)
{
    setObjectName(QStringLiteral("searchWindow"));
    setWindowTitle(QStringLiteral("Search Everything"));
    auto *label = new QLabel(QStringLiteral("&Find words or a phrase:"), this);
    searchText = new QLineEdit(this);
    searchText->setObjectName(QStringLiteral("searchText"));
    label->setBuddy(searchText);
    searchButton = new QPushButton(QStringLiteral("&Search"), this);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    searchButton->setDefault(true);
    results = new QTreeWidget(this);
    results->setObjectName(QStringLiteral("results"));
    results->setAccessibleName(QStringLiteral("Results"));
    results->setColumnCount(2);
    results->setHeaderLabels({QStringLiteral("Where"), QStringLiteral("Line")});
    results->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    results->setColumnWidth(0, 300);
    results->setItemDelegateForColumn(1, new MatchDelegate(results));
    results->setUniformRowHeights(true);
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    openButton = new QPushButton(QStringLiteral("&Open"), this);
    openButton->setObjectName(QStringLiteral("openButton"));
    closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));

    auto *top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(searchText, 1);
    top->addWidget(searchButton);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(statusLabel, 1);
    bottom->addWidget(openButton);
    bottom->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(results, 1);
    layout->addLayout(bottom);
    resize(820, 520);

    connect(searchButton, &QPushButton::clicked, this, &SearchWindow::search);
    connect(searchText, &QLineEdit::returnPressed, this, &SearchWindow::search);
    connect(openButton, &QPushButton::clicked, this, &SearchWindow::openCurrent);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(results, &QTreeWidget::itemActivated, this, [this] { openCurrent(); });
    connect(results, &QTreeWidget::currentItemChanged, this, &SearchWindow::updateOpenButton);
    connect(&m_service, &SearchService::ready, this, [this] {
        if (m_waiting)
            search();
    });
    updateOpenButton();
}

void SearchWindow::search()
{
    if (!m_service.isReady()) {
        m_waiting = true;
        statusLabel->setText(
            QStringLiteral("The index is being built; the search runs as soon as it is ready."));
        return;
    }
    m_waiting = false;
    showAnswer();
}

void SearchWindow::showAnswer()
{
    results->clear();
    const SearchIndex &index = *m_service.index();
    const SearchAnswer answer = index.find(searchText->text(), hitLimit);
    QHash<QString, QTreeWidgetItem *> groups;
    for (const SearchHit &hit : answer.hits) {
        const SearchDocument &doc = index.document(hit.document);
        QTreeWidgetItem *&group = groups[doc.group];
        if (!group) {
            group = new QTreeWidgetItem(results, {doc.group});
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setExpanded(true);
        }
        auto *item = new QTreeWidgetItem(group, {doc.title, hit.line});
        Place place = doc.place;
        place.start = hit.start;
        place.length = hit.length;
        item->setData(0, PlaceRole, QVariant::fromValue(place));
        item->setData(1, MatchDelegate::MatchStartRole, hit.lineMatchStart);
        item->setData(1, MatchDelegate::MatchLengthRole, hit.length);
        item->setToolTip(1, hit.line);
    }
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        it.value()->setText(0, QStringLiteral("%1 (%2)").arg(it.key()).arg(it.value()->childCount()));
    if (answer.total == 0)
        statusLabel->setText(QStringLiteral("Nothing found."));
    else if (answer.total > answer.hits.size())
        statusLabel->setText(
            QStringLiteral("%1 found; the first %2 are shown.").arg(answer.total).arg(answer.hits.size()));
    else
        statusLabel->setText(QStringLiteral("%1 found.").arg(answer.total));
    if (results->topLevelItemCount() > 0 && results->topLevelItem(0)->childCount() > 0)
        results->setCurrentItem(results->topLevelItem(0)->child(0));
    updateOpenButton();
}

void SearchWindow::updateOpenButton()
{
    const QTreeWidgetItem *item = results->currentItem();
    openButton->setEnabled(item && item->data(0, PlaceRole).isValid());
}

bool SearchWindow::openCurrent()
{
    const QTreeWidgetItem *item = results->currentItem();
    if (!item || !item->data(0, PlaceRole).isValid())
        return false;
    emit openRequested(item->data(0, PlaceRole).value<Place>());
    return true;
}
