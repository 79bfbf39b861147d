#include "components/preview/PreviewDocument.h"

#include <QTextDocument>

#include "components/rtf/Rtf.h"

bool PreviewDocument::appendRtf(const QByteArray &rtf)
{
    QTextDocument block;
    if (!Rtf::read(rtf, block).ok)
        return false;
    appendRichText(block);
    return true;
}
