#include "core/print/PreviewDocument.h"

#include <QTextDocument>

#include "core/rtf/Rtf.h"

bool PreviewDocument::appendRtf(const QByteArray &rtf)
{
    QTextDocument block;
    if (!Rtf::read(rtf, block).ok)
        return false;
    appendRichText(block);
    return true;
}
