#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/home/Place.h"

// One figure of the Home page: a caption, a count and where a click leads.
struct Figure
{
    QString caption;
    int count = 0;
    Place place;
    // The parts of a bar (status name and count), in the order drawn; empty for a plain count.
    QList<std::pair<QString, int>> parts;
    // Text after the count, such as "40 % Completed".
    QString note;

    bool operator==(const Figure &other) const = default;
};

// What one source (the statuses, the to-do list, a register) contributes.
struct FigureGroup
{
    QString source;
    QList<Figure> figures;
};

// The Home page's figures as a list of named sources, each asked afresh on refresh(). A source that
// cannot read its file gives its figures with the note saying so rather than stopping the others.
class DashboardModel
{
public:
    using Source = std::function<QList<Figure>()>;

    void addSource(const QString &name, Source source);
    bool hasSource(const QString &name) const;
    // Asks every source in the order added.
    QList<FigureGroup> refresh() const;

private:
    QList<std::pair<QString, Source>> m_sources;
};
