#include "core/exports/Csv.h"

#include <QFileInfo>

#include "core/files/SafeWrite.h"

namespace Csv {

namespace {

const QByteArray byteOrderMark("\xEF\xBB\xBF");

bool looksLikeFormula(const QString &field)
{
    return !field.isEmpty() && QStringLiteral("=+-@\t\r'").contains(field.front());
}

QString field(const QString &text)
{
    const QString guarded = looksLikeFormula(text) ? u'\'' + text : text;
    if (!guarded.contains(u',') && !guarded.contains(u'"') && !guarded.contains(u'\r') && !guarded.contains(u'\n'))
        return guarded;
    QString quoted = guarded;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString line(const QStringList &fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString &text : fields)
        written.append(field(text));
    return written.join(u',') + QStringLiteral("\r\n");
}

QString unguarded(QString field)
{
    if (field.startsWith(u'\''))
        field.remove(0, 1);
    return field;
}

QByteArray encode(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows)
        text += line(row);
    return byteOrderMark + text.toUtf8();
}

Result<QList<QStringList>> decode(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes.startsWith(byteOrderMark) ? bytes.mid(3) : bytes);
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool afterQuote = false;
    const auto endField = [&] {
        row.append(unguarded(cell));
        cell.clear();
        afterQuote = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
                afterQuote = true;
            }
        } else if (c == u',') {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endField();
            rows.append(row);
            row.clear();
        } else if (afterQuote) {
            return Outcome::failed(
                QStringLiteral("The CSV text has \"%1\" after a closing quote in record %2.")
                    .arg(c)
                    .arg(rows.size() + 1));
        } else if (c == u'"' && cell.isEmpty()) {
            quoted = true;
        } else {
            cell += c;
        }
    }
    if (quoted)
        return Outcome::failed(
            QStringLiteral("The CSV text ends inside a quoted field in record %1.").arg(rows.size() + 1));
    if (!cell.isEmpty() || !row.isEmpty() || afterQuote) {
        endField();
        rows.append(row);
    }
    return rows;
}

Outcome save(const QString &path, const QList<QStringList> &rows)
{
    const Outcome written = writeWholeFile(path, encode(rows));
    if (!written)
        return Outcome::failed(QStringLiteral("The table could not be saved as %1: %2")
                                   .arg(QFileInfo(path).fileName(), written.error));
    return written;
}

} // namespace Csv
