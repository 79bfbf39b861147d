#include "components/rtf/RtfPicture.h"

#include "components/rtf/RtfTokenizer.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>

#include <algorithm>

namespace Rtf {

namespace {

constexpr qsizetype MaxPictureBytes = 16 * 1024 * 1024;
constexpr int MaxGoal = 31680 * 4; // twips
constexpr int MaxScale = 1000;     // percent

} // namespace

void PictureReader::begin()
{
    *this = PictureReader(m_pixelBudget);
}

void PictureReader::word(std::string_view word, int param)
{
    if (word == "pngblip" || word == "jpegblip")
        m_decodable = true;
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
    if (!m_decodable)
        return;
    for (const char c : text) {
        const int value = hexDigitValue(c);
        if (value < 0 || m_data.size() >= MaxPictureBytes)
            continue;
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
    if (!m_decodable || m_data.isEmpty())
        return std::nullopt;
    // The header gives the size: pictures beyond what the document may hold are not decoded.
    QBuffer buffer(&m_data);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    const qint64 pixels = qint64(size.width()) * size.height();
    if (size.isEmpty() || pixels > m_pixelBudget)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    m_pixelBudget -= pixels;
    const QByteArray hash = QCryptographicHash::hash(m_data, QCryptographicHash::Sha1).toHex().left(16);
    const double width = (m_goalWidth > 0 ? m_goalWidth / 15.0 : image.width()) * m_scaleX / 100.0;
    const double height = (m_goalHeight > 0 ? m_goalHeight / 15.0 : image.height()) * m_scaleY / 100.0;
    m_data.clear();
    return Picture{image, QStringLiteral("rtf-picture-%1").arg(QLatin1String(hash)), width, height};
}

} // namespace Rtf
