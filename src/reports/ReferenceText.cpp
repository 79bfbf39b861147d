#include "reports/ReferenceText.h"

#include "reports/ReferenceBox.h"

namespace ReferenceText {

namespace {

QString trimmedBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString build(const char *label, const std::vector<ReferenceTable::Line> &lines)
{
    if (lines.empty())
        return {};
    const QString separator = QString::fromLatin1(lineBreak);
    QString text = QString::fromUtf8(label) + separator;
    for (const ReferenceTable::Line &line : lines)
        text += separator + ReferenceTable::lineText(line);
    return trimmedBlanks(text);
}

QString ruleText(int number)
{
    return build(ruleTextLabel, ReferenceTable::ruleText(number).lines);
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
