#include "cli/TableText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

std::optional<TableText::Format> TableText::formatNamed(const QString &name)
{
    if (name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("json"))
        return Format::Json;
    return std::nullopt;
}

QString TableText::write(Format format) const
{
    switch (format) {
    case Format::Csv:
        return csv();
    case Format::Json:
        return json();
    case Format::Text:
        break;
    }
    return text();
}

QString TableText::text() const
{
    QList<qsizetype> widths;
    for (const QString &column : columns)
        widths.append(column.size());
    for (const QStringList &row : rows)
        for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = qMax(widths[i], row[i].size());
    auto line = [&widths](const QStringList &cells) {
        QString out;
        for (qsizetype i = 0; i < cells.size(); ++i)
            out += i + 1 < cells.size() ? cells[i].leftJustified(widths[i] + 2) : cells[i];
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        return out + QLatin1Char('\n');
    };
    QString out = line(columns);
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString TableText::csv() const
{
    auto field = [](const QString &cell) {
        if (!cell.contains(QLatin1Char('"')) && !cell.contains(QLatin1Char(',')) &&
            !cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r')))
            return cell;
        QString quoted = cell;
        quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    };
    auto line = [&field](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields.append(field(cell));
        return fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    QString out = line(columns);
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString TableText::json() const
{
    QJsonArray array;
    for (const QStringList &row : rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < columns.size() && i < row.size(); ++i)
            object.insert(columns[i], row[i]);
        array.append(object);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}
