#include "PageBuilder.h"

#include "InlineMarkup.h"
#include "RuleFormatter.h"
#include "TableLayout.h"

#include "core/references/ReferenceText.h"
#include "core/rule/RuleAmendments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace ContentGen {

namespace {

constexpr qsizetype MaxIncludeDepth = 8;
const QString Bullet = QStringLiteral("\u2022 ");

struct Prefix
{
    const char *marker;
    Style style;
};

// Line markers of one-line paragraphs, longest first.
constexpr Prefix Headings[] = {{"### ", Style::Subheading}, {"## ", Style::Heading}, {"# ", Style::Title}};

} // namespace

PageBuilder::PageBuilder(QTextDocument &document, const RuleText &rules, const RuleText *amended)
    : m_cursor(&document), m_rules(rules), m_amended(amended)
{
    setUpDocument(document);
    m_cursor.movePosition(QTextCursor::End);
}

bool PageBuilder::addFile(const QString &path, QString *error)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (m_includeStack.contains(canonical) && !canonical.isEmpty()) {
        *error = QStringLiteral("%1 includes itself").arg(path);
        return false;
    }
    if (m_includeStack.size() >= MaxIncludeDepth) {
        *error = QStringLiteral("%1: includes nested too deeply").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    m_includeStack.append(canonical);
    const bool ok = addSource(text, path, QFileInfo(path).absolutePath(), error);
    m_includeStack.removeLast();
    return ok;
}

bool PageBuilder::addSource(const QString &text, const QString &name, const QString &folder, QString *error)
{
    const QString outerFolder = std::exchange(m_folder, folder);
    const QStringList lines = text.split(u'\n');
    qsizetype number = 0;
    bool ok = true;
    while (ok && number < lines.size())
        ok = addLine(lines[number++], error);
    if (ok && m_table) {
        *error = QStringLiteral("@table without @end");
        m_table.reset();
        ok = false;
    }
    ok = ok && flushParagraph(error);
    if (!ok)
        *error = QStringLiteral("%1:%2: %3").arg(name).arg(number).arg(*error);
    m_style.reset();
    m_folder = outerFolder;
    return ok;
}

bool PageBuilder::addLine(const QString &raw, QString *error)
{
    QString line = raw;
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    if (m_table)
        return addTableLine(line, error);
    if (line.isEmpty())
        return flushParagraph(error);
    if (line.startsWith(u'@'))
        return flushParagraph(error) && addDirective(line, error);
    m_afterRule = false;
    for (const Prefix &prefix : Headings) {
        if (line.startsWith(QLatin1String(prefix.marker))) {
            if (!flushParagraph(error))
                return false;
            startParagraph(prefix.style, line.mid(qstrlen(prefix.marker)));
            return flushParagraph(error);
        }
    }
    if (line.startsWith(QLatin1String("> ")) && m_style != Style::Indented) {
        if (!flushParagraph(error))
            return false;
        startParagraph(Style::Indented, line.mid(2));
    } else if (line.startsWith(QLatin1String("- "))) {
        if (!flushParagraph(error))
            return false;
        startParagraph(Style::Bullet, Bullet + line.mid(2).trimmed());
    } else if (m_style) {
        m_paragraph += u' ' + (line.startsWith(QLatin1String("> ")) ? line.mid(2) : line).trimmed();
    } else {
        startParagraph(Style::Body, line);
    }
    return true;
}

bool PageBuilder::addTableLine(const QString &line, QString *error)
{
    if (line != QLatin1String("@end")) {
        if (!line.isEmpty())
            m_table->append(splitCells(line));
        return true;
    }
    QList<QStringList> rows = *std::exchange(m_table, std::nullopt);
    if (rows.isEmpty()) {
        *error = QStringLiteral("@table without rows");
        return false;
    }
    const QStringList header = rows.takeFirst();
    return insertTable(m_cursor, {header, rows}, true, error);
}

bool PageBuilder::addDirective(const QString &line, QString *error)
{
    QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    const QString name = words.takeFirst();
    if (name == QLatin1String("@rule"))
        return addRule(words, error);
    if (name == QLatin1String("@include") && words.size() == 1)
        return addInclude(words.first(), error);
    if (name == QLatin1String("@table") && words.isEmpty()) {
        m_table.emplace();
        return true;
    }
    *error = QStringLiteral("unknown or malformed directive \"%1\"").arg(line);
    return false;
}

bool PageBuilder::addInclude(const QString &file, QString *error)
{
    return addFile(QDir(m_folder).filePath(file), error);
}

bool PageBuilder::addRule(const QStringList &arguments, QString *error)
{
    if (arguments.isEmpty() || arguments.size() > 2) {
        *error = QStringLiteral("@rule takes a first and a last citation");
        return false;
    }
    if (m_amended)
        return addAmendedRule(arguments, error);
    QList<RuleEntry> entries;
    if (!m_rules.range(arguments.first(), arguments.last(), &entries, error))
        return false;
    insertRuleEntries(m_cursor, entries);
    return true;
}

bool PageBuilder::addAmendedRule(const QStringList &arguments, QString *error)
{
    QList<RuleEntry> adopted;
    QList<RuleEntry> amended;
    if (!m_rules.range(arguments.first(), arguments.last(), &adopted, error) ||
        !m_amended->range(arguments.first(), arguments.last(), &amended, error))
        return false;
    const auto entries = [](const QList<RuleEntry> &list) {
        std::vector<RuleAmendments::Entry> out;
        for (const RuleEntry &entry : list)
            out.push_back({entry.key, entry.text});
        return out;
    };
    QList<RuleEntry> shown;
    std::vector<std::vector<WordDiff::Run>> marks;
    for (RuleAmendments::Paragraph &paragraph : RuleAmendments::compare(entries(adopted), entries(amended))) {
        shown.append({paragraph.citation, WordDiff::joined(paragraph.runs)});
        marks.push_back(std::move(paragraph.runs));
    }
    if (!std::exchange(m_afterRule, true)) {
        beginBlock(m_cursor, Style::Subheading);
        m_cursor.insertText(QString::fromUtf8(ReferenceText::amendedHeading), charFormat(Style::Subheading));
        beginBlock(m_cursor, Style::Body);
        QTextCharFormat italic = charFormat(Style::Body);
        italic.setFontItalic(true);
        m_cursor.insertText(QStringLiteral("Words struck through were removed by the 2013 amendments; underlined words "
                                           "were added. Without \"Show Rule Text as Amended (2013)\" in the Options "
                                           "menu the text is shown as adopted in 2003."),
                            italic);
    }
    insertRuleEntries(m_cursor, shown, &marks);
    return true;
}

void PageBuilder::startParagraph(Style style, const QString &text)
{
    m_style = style;
    m_paragraph = text.trimmed();
}

bool PageBuilder::flushParagraph(QString *error)
{
    if (!m_style)
        return true;
    const Style style = *std::exchange(m_style, std::nullopt);
    beginBlock(m_cursor, style);
    return insertMarkup(m_cursor, m_paragraph, charFormat(style), error);
}

} // namespace ContentGen
