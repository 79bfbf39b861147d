#include "RuleFormatter.h"

#include "ContentStyles.h"
#include "TableLayout.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace ContentGen {

namespace {

const QRegularExpression &leadingDesignations()
{
    static const QRegularExpression pattern(QStringLiteral("^(?:\\([^()\\s]+\\))+"));
    return pattern;
}

QStringList designationsOf(const QString &printed)
{
    QString inner = printed.mid(1, printed.size() - 2);
    return inner.split(QStringLiteral(")("));
}

qsizetype endOfFirst(const QString &text, const QString &mark)
{
    const qsizetype at = text.indexOf(mark);
    return at < 0 ? -1 : at + mark.size();
}

void insertParagraph(QTextCursor &cursor, const RuleEntry &entry)
{
    const QTextCharFormat plain = charFormat(Style::RuleText);
    QTextCharFormat italic = plain;
    italic.setFontItalic(true);
    beginBlock(cursor, Style::RuleText, designationLevel(entry) - 1);

    // The text is written as designations, italic caption (or defined term), rest.
    const QString &text = entry.text;
    qsizetype captionStart = 0;
    qsizetype captionEnd = entry.term().size();
    if (const auto match = leadingDesignations().match(text); captionEnd == 0 && match.hasMatch()) {
        captionStart = match.capturedLength() + (text.mid(match.capturedLength()).startsWith(u' ') ? 1 : 0);
        captionEnd = captionStart + captionLength(text.mid(captionStart));
    }
    cursor.insertText(text.left(captionStart), plain);
    cursor.insertText(text.mid(captionStart, captionEnd - captionStart), italic);
    cursor.insertText(text.mid(captionEnd), plain);
}

// Strikes through or underlines the changed runs of the paragraph the cursor ends.
void markRuns(QTextCursor &cursor, const std::vector<WordDiff::Run> &runs)
{
    const int start = cursor.block().position();
    int offset = 0;
    for (const WordDiff::Run &run : runs) {
        const int length = int(run.text.size());
        if (run.kind != WordDiff::Kind::Same) {
            QTextCursor range(cursor.document());
            range.setPosition(start + offset);
            range.setPosition(start + offset + length, QTextCursor::KeepAnchor);
            QTextCharFormat format;
            if (run.kind == WordDiff::Kind::Removed)
                format.setFontStrikeOut(true);
            else
                format.setFontUnderline(true);
            range.mergeCharFormat(format);
        }
        offset += length;
    }
}

void insertAppendix(QTextCursor &cursor, const QList<RuleEntry> &rows)
{
    TableRows table;
    for (const RuleEntry &row : rows) {
        if (row.key.endsWith(QLatin1String("/legend")))
            table.header = splitCells(row.text);
        else
            table.rows.append(splitCells(row.text));
    }
    QString unused;
    insertTable(cursor, table, false, &unused);
}

} // namespace

qsizetype captionLength(const QString &text)
{
    if (text.startsWith(QLatin1String("Standard: "))) {
        const qsizetype end = endOfFirst(text, QStringLiteral(". "));
        return end < 0 ? text.size() : end - 1;
    }
    for (const char *marked : {"(Required).", "(Addressable)."}) {
        const qsizetype end = endOfFirst(text, QLatin1String(marked));
        const qsizetype sentence = text.indexOf(QLatin1String(". "));
        if (end > 0 && (sentence < 0 || sentence >= end - 1))
            return end;
    }
    static const QRegularExpression specifications(QStringLiteral("^Implementation specifications?(?: \\(Required\\))?[.:]"));
    if (const auto match = specifications.match(text); match.hasMatch())
        return match.capturedLength();
    static const QRegularExpression shortHeading(QStringLiteral("^[A-Z][a-z]*(?: [a-z]+){0,3}\\.(?= |$)"));
    if (const auto match = shortHeading.match(text); match.hasMatch())
        return match.capturedLength();
    return 0;
}

int designationLevel(const RuleEntry &entry)
{
    const QStringList key = entry.designations();
    const auto match = leadingDesignations().match(entry.text);
    if (key.isEmpty() || !match.hasMatch())
        return 1;
    const QStringList printed = designationsOf(match.captured());
    for (qsizetype i = key.size() - printed.size(); i >= 0; --i) {
        if (key.mid(i, printed.size()) == printed)
            return static_cast<int>(i) + 1;
    }
    return static_cast<int>(key.size());
}

void insertRuleEntries(QTextCursor &cursor, const QList<RuleEntry> &entries,
                       const std::vector<std::vector<WordDiff::Run>> *marks)
{
    QList<RuleEntry> appendixRows;
    const auto flushAppendix = [&] {
        if (!appendixRows.isEmpty())
            insertAppendix(cursor, appendixRows);
        appendixRows.clear();
    };
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const RuleEntry &entry = entries[i];
        const RuleEntry::Kind kind = entry.kind();
        if (kind == RuleEntry::Kind::AppendixRow) {
            appendixRows.append(entry);
            continue;
        }
        flushAppendix();
        if (kind == RuleEntry::Kind::SectionHeading || kind == RuleEntry::Kind::AppendixTitle) {
            const Style style = kind == RuleEntry::Kind::AppendixTitle ? Style::Title : Style::RuleSection;
            beginBlock(cursor, style);
            cursor.insertText(entry.text, charFormat(style));
        } else {
            insertParagraph(cursor, entry);
        }
        if (marks)
            markRuns(cursor, (*marks)[static_cast<size_t>(i)]);
    }
    flushAppendix();
}

} // namespace ContentGen
