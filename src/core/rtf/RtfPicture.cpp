#include "core/rtf/RtfPicture.h"

#include "core/rtf/RtfTokenizer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>

#include <algorithm>
#include <utility>

namespace Rtf {

namespace {

constexpr int MaxGoal = 31680 * 4; // twips
constexpr int MaxScale = 1000;     // percent

const char *decoderName(Picture::Kind kind) { return kind == Picture::Png ? "png" : "jpeg"; }

} // namespace

QUrl pictureBytesUrl(const QString &name)
{
    QUrl url;
    url.setScheme(QStringLiteral("picture-bytes"));
    url.setPath(name);
    return url;
}

std::optional<Picture::Kind> pictureKind(const QByteArray &data)
{
    if (data.startsWith("\x89PNG\r\n\x1a\n"))
        return Picture::Png;
    if (data.startsWith("\xFF\xD8\xFF"))
        return Picture::Jpeg;
    return std::nullopt;
}

void PictureReader::begin()
{
    *this = PictureReader(m_pixelBudget);
}

void PictureReader::word(std::string_view word, int param)
{
    if (word == "pngblip")
        m_kind = Picture::Png;
    else if (word == "jpegblip")
        m_kind = Picture::Jpeg;
    else if (word == "picwgoal")
        m_goalWidth = std::clamp(param, 0, MaxGoal);
    else if (word == "pichgoal")
        m_goalHeight = std::clamp(param, 0, MaxGoal);
    else if (word == "picscalex")
        m_scaleX = std::clamp(param, 1, MaxScale);
    else if (word == "picscaley")
        m_scaleY = std::clamp(param, 1, MaxScale);
}

void PictureReader::hexText(std::string_view text)
{
    if (!m_kind || m_tooLarge)
        return;
    for (const char c : text) {
        const int value = hexDigitValue(c);
        if (value < 0)
            continue;
        if (m_data.size() >= MaxPictureBytes) {
            m_tooLarge = true; // a picture cut short would not read back whole
            return;
        }
        if (m_pendingNibble) {
            m_data.append(static_cast<char>((hexDigitValue(m_pendingNibble) << 4) | value));
            m_pendingNibble = 0;
        } else {
            m_pendingNibble = c;
        }
    }
}

std::optional<Picture> PictureReader::finish()
{
    if (!m_kind || m_tooLarge || m_data.isEmpty())
        return std::nullopt;
    // The decoder of the named kind alone; the header gives the size, and pictures beyond what the
    // document may hold are not decoded.
    QBuffer buffer(&m_data);
    QImageReader reader(&buffer, decoderName(*m_kind));
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    const qint64 pixels = qint64(size.width()) * size.height();
    if (size.isEmpty() || pixels > m_pixelBudget)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull() || pictureKind(m_data) != m_kind)
        return std::nullopt;
    m_pixelBudget -= pixels;
    const QByteArray hash = QCryptographicHash::hash(m_data, QCryptographicHash::Sha1).toHex().left(16);
    const double width = (m_goalWidth > 0 ? m_goalWidth / 15.0 : image.width()) * m_scaleX / 100.0;
    const double height = (m_goalHeight > 0 ? m_goalHeight / 15.0 : image.height()) * m_scaleY / 100.0;
    return Picture{image, std::exchange(m_data, {}), *m_kind,
                   QStringLiteral("rtf-picture-%1").arg(QLatin1String(hash)), width, height};
}

} // namespace Rtf
