#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QUrl>

#include <optional>
#include <string_view>

namespace Rtf {

// Limits shared by the reader and the writer, so that every picture written reads back: the
// bytes of one picture, and the pixels of all pictures of one document together.
constexpr qsizetype MaxPictureBytes = 16 * 1024 * 1024;
constexpr qint64 DocumentPixelBudget = 64 * 1024 * 1024;

struct Picture {
    enum Kind { Png, Jpeg };
    QImage image;
    QByteArray data; // the bytes as read, written back unchanged
    Kind kind = Png;
    QString name;    // the document resource name of the image
    double width;    // shown size in pixels at 96 dpi
    double height;
};

// Where a document keeps a picture's own bytes, beside the image named `name`. The URL has a
// scheme of its own so that a missing resource is never looked for as a file.
QUrl pictureBytesUrl(const QString &name);
// The kind of PNG or JPEG bytes, from their signature.
std::optional<Picture::Kind> pictureKind(const QByteArray &data);

// Collects a \pict destination: its blip type, goal size and scale, and the hex picture data.
// Only PNG and JPEG are decoded, each by its own decoder, up to the document's pixel budget;
// other kinds (metafiles, device-dependent bitmaps) and pictures beyond the limits are dropped.
class PictureReader
{
public:
    explicit PictureReader(qint64 pixelBudget = DocumentPixelBudget) : m_pixelBudget(pixelBudget) {}

    void begin();
    void word(std::string_view word, int param);
    void hexText(std::string_view text);
    std::optional<Picture> finish();

private:
    QByteArray m_data;
    char m_pendingNibble = 0;
    std::optional<Picture::Kind> m_kind;
    bool m_tooLarge = false;
    int m_goalWidth = 0; // twips
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
    qint64 m_pixelBudget; // what is left for all pictures of one document together
};

} // namespace Rtf
