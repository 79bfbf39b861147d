#pragma once

#include "core/rtf/RtfPicture.h"

#include <QByteArray>
#include <QImage>

#include <optional>

namespace Rtf {

// Chooses the bytes each picture of one document is written as, within the limits the reader
// applies: a picture's own bytes when it has them and they fit; otherwise PNG, or JPEG where PNG
// is too large, scaled down until it fits what is left of the document's pixel budget.
class PictureWriter
{
public:
    struct Encoded {
        QByteArray data;
        Picture::Kind kind;
        QSize size;
    };

    explicit PictureWriter(qsizetype maxBytes = MaxPictureBytes, qint64 pixelBudget = DocumentPixelBudget)
        : m_maxBytes(maxBytes), m_pixelsLeft(pixelBudget)
    {
    }

    // Nothing when the budget is spent or the image is empty.
    std::optional<Encoded> encode(const QImage &image, const QByteArray &ownBytes);

private:
    qsizetype m_maxBytes;
    qint64 m_pixelsLeft;
};

} // namespace Rtf
