#include "ui/home/HomeDashboard.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/home/StatusBarGraph.h"

HomeDashboard::HomeDashboard(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("homeDashboard"));
    setAccessibleName(QStringLiteral("Where the organisation stands"));
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(8, 4, 8, 4);
    m_grid->setVerticalSpacing(2);
    m_grid->setColumnStretch(1, 1);
    auto *heading = new QLabel(QStringLiteral("Where the organisation stands"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    printButton = new QPushButton(QStringLiteral("&Print…"), this);
    printButton->setObjectName(QStringLiteral("printHomeButton"));
    printButton->setToolTip(QStringLiteral("Print preview of these figures"));
    connect(printButton, &QPushButton::clicked, this, &HomeDashboard::printRequested);
    m_grid->addWidget(heading, 0, 0, 1, 2);
    m_grid->addWidget(printButton, 0, 2, Qt::AlignRight);
}

void HomeDashboard::clear()
{
    for (QWidget *part : std::as_const(m_parts))
        delete part;
    m_parts.clear();
}

void HomeDashboard::showFigures(const QList<FigureGroup> &groups)
{
    m_groups = groups;
    clear();
    int row = 1;
    const Figure *lastBar = nullptr;
    for (const FigureGroup &group : groups)
        for (const Figure &figure : group.figures) {
            if (figure.parts.isEmpty()) {
                if (lastBar)
                    addLegend(*lastBar, row++);
                lastBar = nullptr;
                addCount(figure, row++);
            } else {
                addBar(figure, row++);
                lastBar = &figure;
            }
        }
    if (lastBar)
        addLegend(*lastBar, row++);
    m_grid->setRowStretch(row, 1);
}

void HomeDashboard::addLegend(const Figure &bar, int row)
{
    QStringList keys;
    for (const auto &part : bar.parts)
        keys.append(QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                        .arg(StatusBarGraph::colour(part.first).name(), part.first.toHtmlEscaped()));
    auto *legend = new QLabel(keys.join(QStringLiteral("&nbsp;&nbsp; ")), this);
    legend->setObjectName(QStringLiteral("statusLegend"));
    legend->setTextFormat(Qt::RichText);
    legend->setAccessibleName(QStringLiteral("Key to the bars"));
    m_grid->addWidget(legend, row, 0, 1, 3, Qt::AlignRight);
    m_parts << legend;
}

void HomeDashboard::addBar(const Figure &figure, int row)
{
    auto *button = new QPushButton(figure.caption, this);
    button->setObjectName(QStringLiteral("figure ") + figure.caption);
    button->setFlat(true);
    button->setStyleSheet(QStringLiteral("text-align: left; padding: 1px 4px;"));
    auto *bar = new StatusBarGraph(this);
    bar->setParts(figure.parts);
    bar->setAccessibleName(figure.caption + QStringLiteral(" by status"));
    auto *note = new QLabel(figure.note, this);
    note->setToolTip(bar->toolTip());
    const Place place = figure.place;
    connect(button, &QPushButton::clicked, this, [this, place] { emit placeChosen(place); });
    connect(bar, &StatusBarGraph::clicked, this, [this, place] { emit placeChosen(place); });
    m_grid->addWidget(button, row, 0);
    m_grid->addWidget(bar, row, 1);
    m_grid->addWidget(note, row, 2);
    m_parts << button << bar << note;
}

void HomeDashboard::addCount(const Figure &figure, int row)
{
    auto *button = new QPushButton(QStringLiteral("%1: %2").arg(figure.caption).arg(figure.count), this);
    button->setObjectName(QStringLiteral("figure ") + figure.caption);
    button->setFlat(true);
    button->setStyleSheet(QStringLiteral("text-align: left; padding: 1px 4px;"));
    if (figure.count > 0) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
    }
    const Place place = figure.place;
    connect(button, &QPushButton::clicked, this, [this, place] { emit placeChosen(place); });
    auto *note = new QLabel(figure.note, this);
    m_grid->addWidget(button, row, 0, 1, 2);
    m_grid->addWidget(note, row, 2);
    m_parts << button << note;
}

QPushButton *HomeDashboard::figureButton(const QString &caption) const
{
    return findChild<QPushButton *>(QStringLiteral("figure ") + caption);
}
