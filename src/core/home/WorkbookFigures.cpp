#include "core/home/WorkbookFigures.h"

#include <QDir>
#include <QFileInfo>

#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridFile.h"
#include "core/catalogue/Catalogue.h"

namespace WorkbookFigures {

namespace {

constexpr int firstCategory = 1;
constexpr int lastCategory = 5;
constexpr int todoDateColumn = 2;
constexpr int actualDateColumn = 3;

const QStringList &statusNames()
{
    static const QStringList names{QStringLiteral("No status"), QStringLiteral("Pending"),
                                   QStringLiteral("Working"), QStringLiteral("Completed"),
                                   QStringLiteral("Review")};
    return names;
}

// Index into statusNames(): the stored text trimmed, an unknown or blank one as no status.
int statusIndex(const QString &stored)
{
    const int known = int(StatusStore::values().indexOf(stored.trimmed()));
    return known > 0 ? known : 0;
}

} // namespace

QString categoryName(int category)
{
    const QString caption = QString::fromUtf8(Catalogue::category(category).windowCaption);
    const qsizetype dash = caption.indexOf(QStringLiteral(" - "));
    return dash < 0 ? caption : caption.mid(dash + 3);
}

QList<Figure> categoryStatuses(const StatusTable &statuses)
{
    QList<Figure> figures;
    for (int category = firstCategory; category <= lastCategory; ++category) {
        QList<int> counts(statusNames().size(), 0);
        const int items = Catalogue::category(category).itemCount;
        for (int tab = 0; tab < items; ++tab) {
            const int number = Catalogue::specificationNumber(category, tab);
            if (number >= 1 && number < int(statuses.size()))
                ++counts[statusIndex(statuses[size_t(number)])];
        }
        Figure figure;
        figure.caption = categoryName(category);
        figure.count = items;
        figure.place.kind = Place::WorkCategory;
        figure.place.category = category;
        for (int i = 0; i < statusNames().size(); ++i)
            figure.parts.append({statusNames()[i], counts[i]});
        const int completed = counts[statusIndex(QStringLiteral("Completed"))];
        const int percent = items > 0 ? (completed * 100 + items / 2) / items : 0;
        figure.note = QStringLiteral("%1 % Completed").arg(percent);
        figures.append(figure);
    }
    return figures;
}

QList<int> overdueTodoRows(const TodoGrid &grid, QDate today)
{
    QList<int> rows;
    for (int row = 1; row <= TodoGrid::Rows; ++row) {
        if (!grid.hasItem(row) || !grid.cell(row, actualDateColumn).trimmed().isEmpty())
            continue;
        const QDate due = TodoDate::fromCellText(grid.cell(row, todoDateColumn));
        if (due.isValid() && due < today)
            rows.append(row);
    }
    return rows;
}

QList<Figure> todoFigures(const TodoGrid &grid, QDate today)
{
    const QList<int> rows = overdueTodoRows(grid, today);
    Figure figure;
    figure.caption = QStringLiteral("To-do items past their date");
    figure.count = int(rows.size());
    figure.place.kind = Place::TodoList;
    figure.place.row = rows.isEmpty() ? 0 : rows.first();
    return {figure};
}

void addTo(DashboardModel &model, const QString &folder, std::function<QDate()> today)
{
    // Only read: a file that is missing gives no statuses and is not made here.
    model.addSource(QStringLiteral("Statuses"), [folder] {
        const QString path = QDir(folder).filePath(QString::fromLatin1(StatusStore::DefaultFileName));
        return categoryStatuses(QFileInfo::exists(path) ? StatusStore(path).readTable() : StatusTable{});
    });
    model.addSource(QStringLiteral("To-do list"), [folder, today] {
        TodoGridFile file(QDir(folder).filePath(QString::fromLatin1(TodoGridFile::DefaultFileName)));
        return todoFigures(file.load().contents, today());
    });
}

} // namespace WorkbookFigures
