#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <string_view>

namespace Rtf {

struct Picture {
    QImage image;
    QString name;  // the document resource name
    double width;  // shown size in pixels at 96 dpi
    double height;
};

// Collects a \pict destination: its blip type, goal size and scale, and the hex picture data.
// PNG and JPEG pictures are decoded, up to 64 million pixels in all; other kinds (metafiles,
// device-dependent bitmaps) and pictures beyond that are dropped.
class PictureReader
{
public:
    static constexpr qint64 DefaultPixelBudget = 64 * 1024 * 1024;

    explicit PictureReader(qint64 pixelBudget = DefaultPixelBudget) : m_pixelBudget(pixelBudget) {}

    void begin();
    void word(std::string_view word, int param);
    void hexText(std::string_view text);
    std::optional<Picture> finish();

private:
    QByteArray m_data;
    char m_pendingNibble = 0;
    bool m_decodable = false;
    int m_goalWidth = 0; // twips
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
    qint64 m_pixelBudget; // what is left for all pictures of one document together
};

} // namespace Rtf
