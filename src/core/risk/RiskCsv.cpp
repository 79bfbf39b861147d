#include "core/risk/RiskCsv.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

#include "core/files/SafeWrite.h"
#include "core/exports/Csv.h"
#include "core/risk/CsvText.h"
#include "core/risk/ThreatList.h"
#include "core/catalogue/Catalogue.h"

namespace RiskCsv {
namespace {

enum Column {
    Asset, Threat, Group, Vulnerability, Safeguards, Likelihood, Impact, Score, LevelColumn, RatedOn, Earlier,
    ResponseColumn, Measure, Owner, Due, Status, TodoRow, ColumnCount
};

const QString separator = QStringLiteral("; ");
const QString ratingMark = QStringLiteral("x");
constexpr int todoRows = 500;

QString dateText(const QDate &date) { return date.isValid() ? date.toString(Qt::ISODate) : QString(); }

QString ratingText(const RiskRating &rating)
{
    return QStringLiteral("%1 %2%3%4").arg(dateText(rating.ratedOn)).arg(rating.likelihood).arg(ratingMark).arg(rating.impact);
}

QStringList fieldsOf(const Risk &risk)
{
    QStringList safeguards, earlier;
    for (int item : risk.safeguards)
        safeguards << QString::number(item);
    for (const RiskRating &rating : risk.earlier)
        earlier << ratingText(rating);
    return {risk.asset, risk.threat, risk.threatGroup, risk.vulnerability, safeguards.join(separator),
            QString::number(risk.rating.likelihood), QString::number(risk.rating.impact),
            QString::number(risk.score()), RiskScale::levelName(risk.level()), dateText(risk.rating.ratedOn),
            earlier.join(separator), RiskScale::responseName(risk.response), risk.measure, risk.owner,
            dateText(risk.due), risk.open ? QStringLiteral("Open") : QStringLiteral("Closed"),
            risk.todoRow > 0 ? QString::number(risk.todoRow) : QString()};
}

// Reads one line's fields into a risk, noting each field it cannot take.
class RowReader
{
public:
    RowReader(const QStringList &fields, const QDate &today) : m_fields(fields), m_today(today) {}

    Risk read()
    {
        Risk risk;
        for (int column = 0; column < ColumnCount; ++column)
            if (m_fields.at(column).size() > MaxFieldLength)
                note(QStringLiteral("the %1 is longer than %2 characters").arg(name(column)).arg(MaxFieldLength));
        risk.asset = required(Asset);
        risk.threat = required(Threat);
        risk.threatGroup = group(risk.threat);
        risk.vulnerability = m_fields.at(Vulnerability);
        risk.safeguards = safeguards();
        risk.rating = {date(RatedOn, m_today), rating(Likelihood), rating(Impact)};
        checkDerived(risk);
        risk.earlier = earlier();
        if (const QString text = m_fields.at(ResponseColumn).trimmed();
            !text.isEmpty() && !RiskScale::responseFromName(canonical(text, RiskScale::responseNames()), risk.response))
            note(QStringLiteral("the response \"%1\" is not one of %2").arg(text, RiskScale::responseNames().join(u", ")));
        risk.measure = m_fields.at(Measure);
        risk.owner = m_fields.at(Owner);
        risk.due = date(Due, QDate());
        risk.open = status();
        risk.todoRow = number(TodoRow, 0, todoRows, 0);
        return risk;
    }

    QStringList problems() const { return m_problems; }

private:
    static QString name(int column) { return columns().at(column).toLower(); }
    void note(const QString &reason) { m_problems << reason; }

    static QString canonical(const QString &text, const QStringList &names)
    {
        for (const QString &known : names)
            if (known.compare(text, Qt::CaseInsensitive) == 0)
                return known;
        return text;
    }

    QString required(int column)
    {
        const QString text = m_fields.at(column);
        if (text.trimmed().isEmpty())
            note(QStringLiteral("the %1 is empty").arg(name(column)));
        return text;
    }

    QString group(const QString &threat)
    {
        const QString builtIn = ThreatList().groupOf(threat);
        const QString given = canonical(m_fields.at(Group).trimmed(), ThreatList::groups());
        if (!builtIn.isEmpty() && (given.isEmpty() || given == builtIn))
            return builtIn;
        if (!builtIn.isEmpty())
            note(QStringLiteral("the threat \"%1\" belongs to the group %2, not \"%3\"").arg(threat, builtIn, given));
        else if (!ThreatList::groups().contains(given))
            note(QStringLiteral("the threat group \"%1\" is not one of %2").arg(given, ThreatList::groups().join(u", ")));
        return given;
    }

    // A whole number in [low, high]; `empty` for an empty field when `empty` is in range, else noted.
    int number(int column, int low, int high, int empty)
    {
        const QString text = m_fields.at(column).trimmed();
        if (text.isEmpty() && empty >= low)
            return empty;
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok && value >= low && value <= high)
            return value;
        note(QStringLiteral("the %1 \"%2\" is not a number from %3 to %4").arg(name(column), text).arg(low).arg(high));
        return empty;
    }

    int rating(int column) { return number(column, RiskScale::Lowest, RiskScale::Highest, -1); }

    QDate date(int column, const QDate &empty)
    {
        const QString text = m_fields.at(column).trimmed();
        if (text.isEmpty())
            return empty;
        const QDate value = QDate::fromString(text, Qt::ISODate);
        if (!value.isValid() || text.size() != 10)
            note(QStringLiteral("the %1 \"%2\" is not a date written as YYYY-MM-DD").arg(name(column), text));
        return value;
    }

    QList<int> safeguards()
    {
        QList<int> items;
        for (const QString &part : m_fields.at(Safeguards).split(u';', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int item = part.trimmed().toInt(&ok);
            if (!ok || item < 1 || item > Catalogue::itemCount)
                note(QStringLiteral("the safeguard \"%1\" is not a catalogue item number from 1 to %2")
                         .arg(part.trimmed())
                         .arg(Catalogue::itemCount));
            else if (!items.contains(item))
                items << item;
        }
        std::sort(items.begin(), items.end());
        return items;
    }

    void checkDerived(const Risk &risk)
    {
        if (!RiskScale::isRating(risk.rating.likelihood) || !RiskScale::isRating(risk.rating.impact))
            return;
        const QString score = m_fields.at(Score).trimmed();
        if (!score.isEmpty() && score != QString::number(risk.score()))
            note(QStringLiteral("the score %1 is not likelihood times impact (%2)").arg(score).arg(risk.score()));
        const QString level = m_fields.at(LevelColumn).trimmed();
        if (!level.isEmpty() && level.compare(RiskScale::levelName(risk.level()), Qt::CaseInsensitive) != 0)
            note(QStringLiteral("the level \"%1\" is not the level of score %2 (%3)")
                     .arg(level)
                     .arg(risk.score())
                     .arg(RiskScale::levelName(risk.level())));
    }

    QList<RiskRating> earlier()
    {
        QList<RiskRating> ratings;
        for (const QString &part : m_fields.at(Earlier).split(u';', Qt::SkipEmptyParts)) {
            const QStringList pieces = part.trimmed().split(u' ');
            const QStringList values = pieces.value(1).split(ratingMark);
            RiskRating rating{QDate::fromString(pieces.value(0), Qt::ISODate), values.value(0).toInt(),
                              values.value(1).toInt()};
            if (pieces.size() != 2 || values.size() != 2 || !rating.ratedOn.isValid() ||
                !RiskScale::isRating(rating.likelihood) || !RiskScale::isRating(rating.impact))
                note(QStringLiteral("the earlier rating \"%1\" is not written as YYYY-MM-DD LxI").arg(part.trimmed()));
            else
                ratings << rating;
        }
        return ratings;
    }

    bool status()
    {
        const QString text = m_fields.at(Status).trimmed();
        if (text.isEmpty() || text.compare(QStringLiteral("Open"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QStringLiteral("Closed"), Qt::CaseInsensitive) != 0)
            note(QStringLiteral("the status \"%1\" is not Open or Closed").arg(text));
        return false;
    }

    const QStringList &m_fields;
    QDate m_today;
    QStringList m_problems;
};

bool isHeading(const QStringList &fields)
{
    if (fields.size() != ColumnCount)
        return false;
    for (int column = 0; column < ColumnCount; ++column)
        if (fields.at(column).trimmed().compare(columns().at(column), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

QString sentenceFor(const QString &path, const QList<Problem> &problems)
{
    constexpr int shown = 20;
    QStringList lines;
    for (const Problem &problem : problems.mid(0, shown))
        lines << QStringLiteral("Line %1: %2.").arg(problem.line).arg(problem.reason);
    if (problems.size() > shown)
        lines << QStringLiteral("And %1 more lines.").arg(problems.size() - shown);
    return QStringLiteral("Nothing was imported from \"%1\": %2 of its lines cannot be read.\n%3")
        .arg(QDir::toNativeSeparators(path))
        .arg(problems.size())
        .arg(lines.join(u'\n'));
}

} // namespace

QStringList columns()
{
    return {QStringLiteral("Asset"), QStringLiteral("Threat"), QStringLiteral("Threat group"),
            QStringLiteral("Vulnerability"), QStringLiteral("Safeguards"), QStringLiteral("Likelihood"),
            QStringLiteral("Impact"), QStringLiteral("Score"), QStringLiteral("Level"), QStringLiteral("Rated on"),
            QStringLiteral("Earlier ratings"), QStringLiteral("Response"), QStringLiteral("Planned measure"),
            QStringLiteral("Owner"), QStringLiteral("Due date"), QStringLiteral("Status"),
            QStringLiteral("To-do row")};
}

QByteArray write(const QList<Risk> &risks)
{
    QList<QStringList> rows{columns()};
    rows.reserve(risks.size() + 1);
    for (const Risk &risk : risks)
        rows.append(fieldsOf(risk));
    return Csv::encode(rows);
}

Parsed parse(const QByteArray &bytes, const QDate &today)
{
    Parsed parsed;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (decoder.hasError()) {
        parsed.problems.append({1, QStringLiteral("the file is not UTF-8 text")});
        return parsed;
    }
    const CsvText::Parsed csv = CsvText::parse(text);
    if (csv.unterminatedLine > 0)
        parsed.problems.append({csv.unterminatedLine, QStringLiteral("a quoted field starting here never ends")});
    if (csv.records.isEmpty() || !isHeading(csv.records.front().fields)) {
        parsed.problems.prepend({1, QStringLiteral("the heading line is not: ") + columns().join(u',')});
        return parsed;
    }
    for (const CsvText::Record &record : csv.records.mid(1)) {
        if (record.fields.size() != ColumnCount) {
            parsed.problems.append({record.line, QStringLiteral("it has %1 fields, not %2")
                                                     .arg(record.fields.size())
                                                     .arg(int(ColumnCount))});
            continue;
        }
        RowReader reader(record.fields, today);
        const Risk risk = reader.read();
        if (reader.problems().isEmpty())
            parsed.risks.append(risk);
        else
            parsed.problems.append({record.line, reader.problems().join(QStringLiteral("; "))});
    }
    std::sort(parsed.problems.begin(), parsed.problems.end(),
              [](const Problem &a, const Problem &b) { return a.line < b.line; });
    if (!parsed.problems.isEmpty())
        parsed.risks.clear();
    return parsed;
}

Result<QList<Risk>> readFile(const QString &path, const QDate &today)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failed(QStringLiteral("\"%1\" could not be read: %2.").arg(shown, file.errorString()));
    if (file.size() > MaxFileSize)
        return Outcome::failed(QStringLiteral("\"%1\" was not imported: it is larger than %2 MB.")
                                   .arg(shown)
                                   .arg(MaxFileSize / (1024 * 1024)));
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Outcome::failed(QStringLiteral("\"%1\" could not be read: %2.").arg(shown, file.errorString()));
    Parsed parsed = parse(bytes, today);
    if (!parsed.problems.isEmpty())
        return Outcome::failed(sentenceFor(path, parsed.problems));
    return std::move(parsed.risks);
}

Outcome writeFile(const QString &path, const QList<Risk> &risks) { return writeWholeFile(path, write(risks)); }

} // namespace RiskCsv
