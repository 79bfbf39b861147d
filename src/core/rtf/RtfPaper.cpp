#include "core/rtf/RtfPaper.h"

#include <QTextDocument>

namespace Rtf {

namespace {
constexpr char PaperProperty[] = "rtfPaperTwips";
constexpr int LargestPaper = 31680 * 4; // twips: 88 inches, well beyond any printer's paper
} // namespace

QSize paperSize(const QTextDocument &document)
{
    return document.property(PaperProperty).toSize();
}

void setPaperSize(QTextDocument &document, QSize twips)
{
    const bool sensible = twips.width() > 0 && twips.height() > 0 && twips.width() <= LargestPaper &&
                          twips.height() <= LargestPaper;
    document.setProperty(PaperProperty, sensible ? QVariant(twips) : QVariant());
}

QByteArray paperWords(const QTextDocument &document)
{
    const QSize paper = paperSize(document);
    if (!paper.isValid())
        return {};
    return "\\paperw" + QByteArray::number(paper.width()) + "\\paperh" + QByteArray::number(paper.height()) + "\r\n";
}

} // namespace Rtf
