#pragma once

#include <QTextDocument>
#include <array>

#include "core/print/PrinterSettings.h"
#include "core/references/DocumentReferenceBox.h"
#include "core/references/ReferenceProducer.h"

class PreviewDocument;
class ReferenceBox;

// The reference report of a catalogue item: any combination of its rule text, references and additional
// information, set in the printer font, with the rule text's amendment marks and the item's rule search
// name in bold and underlined.
class ReferenceReport
{
public:
    // Implementation specification, references in rule, additional information.
    using Options = std::array<bool, 3>;

    // `buffers` hold the three texts of the item shown; the producer fills the ones left empty.
    ReferenceReport(ReferenceProducer &producer, const std::array<ReferenceBox *, 3> &buffers);

    // Assembles the report of the item at (category, inner tab) and flows it into `document` between the
    // shared page margins. No option gives an empty document.
    void build(int category, int tab, const Options &options, const PrinterSettings::PrinterFont &font,
               PreviewDocument &document);

    // The report last assembled.
    const QTextDocument &report() const { return m_report; }

private:
    void fillMissing(int category, int tab);
    void assemble(const Options &options);
    void applyFont(const PrinterSettings::PrinterFont &font);
    void markAmendments(int number);

    ReferenceProducer &m_producer;
    std::array<ReferenceBox *, 3> m_buffers;
    QTextDocument m_report;
    DocumentReferenceBox m_box{m_report};
};
