#include "core/references/ReferenceText.h"

#include <QHash>
#include <optional>

#include "core/text/PlainText.h"
#include "core/references/ReferenceBox.h"
#include "core/rule/RuleAmendments.h"

namespace ReferenceText {

namespace {

// Appends text and marks, counting positions as the boxes do.
class MarkedWriter
{
public:
    explicit MarkedWriter(QString start) : m_text{std::move(start), {}}, m_lineBreaks(int(m_text.text.count(u'\n'))) {}

    void line(const QString &text) { append(QString::fromLatin1(lineBreak) + text); }
    void append(const QString &text, std::optional<WordDiff::Kind> mark = std::nullopt)
    {
        if (mark && *mark != WordDiff::Kind::Same)
            m_text.marks.push_back({position(), int(text.size()), *mark});
        m_text.text += text;
        m_lineBreaks += int(text.count(u'\n'));
    }
    MarkedText finish() { return std::move(m_text); }

private:
    int position() const { return int(m_text.text.size()) - m_lineBreaks; }
    MarkedText m_text;
    int m_lineBreaks;
};

} // namespace

QString build(const char *label, const std::vector<ReferenceTable::Line> &lines)
{
    if (lines.empty())
        return {};
    const QString separator = QString::fromLatin1(lineBreak);
    QString text = QString::fromUtf8(label) + separator;
    for (const ReferenceTable::Line &line : lines)
        text += separator + ReferenceTable::lineText(line);
    return PlainText::trimmedBlanks(text);
}

MarkedText markedRuleText(int number)
{
    const std::vector<ReferenceTable::Line> &lines = ReferenceTable::ruleText(number).lines;
    MarkedWriter writer(build(ruleTextLabel, lines));
    if (lines.empty())
        return writer.finish();
    std::vector<QString> citations;
    QHash<QString, int> indents;
    for (const ReferenceTable::Line &line : lines) {
        if (line.kind != ReferenceTable::Line::Kind::Regulation)
            continue;
        citations.push_back(QString::fromUtf8(line.text));
        indents.insert(citations.back(), line.indent);
    }
    const std::vector<RuleAmendments::Paragraph> paragraphs = RuleAmendments::compareCitations(citations);
    writer.line(QString());
    writer.line(QString::fromUtf8(amendedHeading));
    writer.line(QString());
    if (!RuleAmendments::anyChanged(paragraphs)) {
        writer.line(QString::fromUtf8(amendedUnchanged));
        return writer.finish();
    }
    for (const RuleAmendments::Paragraph &paragraph : paragraphs) {
        writer.line(QString(indents.value(paragraph.citation, 4), u' '));
        for (const WordDiff::Run &run : paragraph.runs)
            writer.append(run.text, run.kind);
    }
    return writer.finish();
}

QString ruleText(int number)
{
    return markedRuleText(number).text;
}

QString references(int number)
{
    return build(referencesLabel, ReferenceTable::references(number).lines);
}

QString additionalInformation(int number)
{
    const ReferenceTable::Additional &additional = ReferenceTable::additionalInformation(number);
    if (!additional.addressable)
        return build(additionalLabel, additional.source.lines);
    std::vector<ReferenceTable::Line> lines = ReferenceTable::addressableExplanation();
    lines.push_back(ReferenceTable::blank());
    lines.insert(lines.end(), additional.source.lines.begin(), additional.source.lines.end());
    return build(additionalLabel, lines);
}

void markAmendments(ReferenceBox &box, const std::vector<Mark> &marks)
{
    for (const Mark &mark : marks) {
        box.select(mark.start, mark.length);
        if (mark.kind == WordDiff::Kind::Removed)
            box.setSelectionStrikeThru();
        else
            box.setSelectionUnderline();
    }
}

void highlight(ReferenceBox &box, const QString &phrase)
{
    const int length = int(box.text().size());
    const int phraseLength = int(phrase.size());
    for (int p = 1; p < length;) {
        const int found = box.findWholeWord(phrase, p);
        if (found < 0)
            break; // nothing further on either
        if (found > 0) {
            box.select(found, phraseLength);
            box.setSelectionBoldUnderline();
            p = found + phraseLength;
        } else {
            ++p;
        }
    }
    box.setSelStart(1);
}

} // namespace ReferenceText
