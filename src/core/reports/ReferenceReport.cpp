#include "core/reports/ReferenceReport.h"

#include <QTextCursor>

#include "core/print/PreviewDocument.h"
#include "core/text/PlainText.h"
#include "core/references/ReferenceBox.h"
#include "core/references/ReferenceText.h"
#include "core/catalogue/Catalogue.h"

namespace {

const QString paragraphBreak = QStringLiteral("\r\n\r\n");

} // namespace

ReferenceReport::ReferenceReport(ReferenceProducer &producer, const std::array<ReferenceBox *, 3> &buffers)
    : m_producer(producer), m_buffers(buffers)
{
}

void ReferenceReport::build(int category, int tab, const Options &options,
                            const PrinterSettings::PrinterFont &font, PreviewDocument &document)
{
    fillMissing(category, tab);
    assemble(options);
    applyFont(font);
    const int number = ReferenceProducer::itemNumber(category, tab);
    if (options[0])
        markAmendments(number);
    const QString name = Catalogue::ruleSearchName(number);
    if (!name.isEmpty())
        ReferenceText::highlight(m_box, name);

    document.discard();
    PrinterSettings::applyMargins(document);
    document.startDoc();
    document.appendRichText(m_report);
    document.endDoc();
}

// A text never shown is produced into its buffer only, without highlighting.
void ReferenceReport::fillMissing(int category, int tab)
{
    ReferenceState state;
    state.CurrentCategory = qint16(category);
    state.CurrentItemTab = qint16(tab);
    state.modeFlag = ReferenceState::reportMode;
    if (m_buffers[0]->text().trimmed().isEmpty())
        m_producer.produceRuleText(state);
    if (m_buffers[1]->text().trimmed().isEmpty())
        m_producer.produceReferences(state);
    if (m_buffers[2]->text().trimmed().isEmpty())
        m_producer.produceAdditionalInformation(state);
}

// Several texts are joined as plain text with a blank line between them; a single one keeps its format.
void ReferenceReport::assemble(const Options &options)
{
    m_box.setText(QString());
    QStringList parts;
    int single = -1;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (!options[i])
            continue;
        parts.append(m_buffers[i]->text());
        single = parts.size() == 1 ? int(i) : -1;
    }
    if (single >= 0)
        m_box.setTextRtf(m_buffers[std::size_t(single)]->textRtf());
    else if (!parts.isEmpty())
        m_box.setText(parts.join(paragraphBreak));
}

void ReferenceReport::applyFont(const PrinterSettings::PrinterFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies({font.name});
    if (font.size > 0)
        format.setFontPointSize(font.size);
    format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic);
    format.setFontStrikeOut(font.strikethrough);
    format.setFontUnderline(font.underline);
    format.setForeground(font.colour);
    QTextCursor all(&m_report);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
}

// The printer font clears the rule text's amendment marks; they are set again where the rule text stands,
// at the start of the report, as long as its buffer holds the text the marks were counted in.
void ReferenceReport::markAmendments(int number)
{
    const ReferenceText::MarkedText rule = ReferenceText::markedRuleText(number);
    QString expected = PlainText::normaliseLineBreaks(rule.text);
    PlainText::mapDocumentCharacters(expected);
    if (rule.marks.empty() || m_buffers[0]->text() != expected)
        return;
    ReferenceText::markAmendments(m_box, rule.marks);
}
