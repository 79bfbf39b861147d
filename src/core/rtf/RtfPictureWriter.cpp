#include "core/rtf/RtfPictureWriter.h"

#include <QBuffer>

#include <cmath>

namespace Rtf {

namespace {

constexpr int JpegQuality = 90;
constexpr double ShrinkStep = 0.7;

qint64 pixelsOf(QSize size) { return qint64(size.width()) * size.height(); }

QByteArray saved(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format, quality))
        return {};
    return bytes;
}

QImage scaled(const QImage &image, double factor)
{
    const QSize size(int(image.width() * factor), int(image.height() * factor));
    if (size.isEmpty())
        return {};
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

std::optional<PictureWriter::Encoded> PictureWriter::encode(const QImage &image, const QByteArray &ownBytes)
{
    const qint64 pixels = pixelsOf(image.size());
    if (image.isNull() || m_pixelsLeft <= 0)
        return std::nullopt;
    const std::optional<Picture::Kind> ownKind = pictureKind(ownBytes);
    if (ownKind && ownBytes.size() <= m_maxBytes && pixels <= m_pixelsLeft) {
        m_pixelsLeft -= pixels;
        return Encoded{ownBytes, *ownKind, image.size()};
    }
    QImage target = pixels <= m_pixelsLeft ? image : scaled(image, std::sqrt(double(m_pixelsLeft) / pixels));
    const auto fits = [this](const QByteArray &bytes) { return !bytes.isEmpty() && bytes.size() <= m_maxBytes; };
    while (!target.isNull()) {
        Encoded encoded{saved(target, "PNG"), Picture::Png, target.size()};
        if (!fits(encoded.data))
            encoded = {saved(target, "JPEG", JpegQuality), Picture::Jpeg, target.size()};
        if (fits(encoded.data)) {
            m_pixelsLeft -= pixelsOf(target.size());
            return encoded;
        }
        target = scaled(target, ShrinkStep);
    }
    return std::nullopt;
}

} // namespace Rtf
