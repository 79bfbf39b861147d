#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QtGlobal>

class PreviewDocument;

// Program-wide values of the page toolbar: the printer font and page margins used by every report, and
// the preview's normal width and left edge saved by the window that is active.
namespace PrinterSettings {

// Font dialog flags of the page tools: printer fonts 2 + effects 256 + limited size 8192.
constexpr int FontDialogFlags = 8450;

// The font reports are printed in, shared by the work area and the misc area.
struct PrinterFont
{
    QString name = QStringLiteral("Arial");
    qreal size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    QColor colour = Qt::black;

    QFont font() const;
    // Takes every attribute from `font` and `textColour`.
    void assign(const QFont &font, const QColor &textColour);
};

inline PrinterFont Font;

// Page margins in twips, applied when a document is rendered into the preview.
inline float PrintMarginLeft = 1440;
inline float PrintMarginTop = 1440;
inline float PrintMarginRight = 1440;
inline float PrintMarginBottom = 1440;

// The preview's width and left edge in twips as the active window laid it out.
inline qint16 NormalPreviewWidth = 0;
inline qint16 NormalPreviewLeft = 0;

void setMargins(float left, float top, float right, float bottom);
// Puts the shared margins on the document / reads them back from it.
void applyMargins(PreviewDocument &document);
void readMargins(const PreviewDocument &document);

// The size as the font display shows it: 10 is "10", 10.5 is "10.5".
QString sizeText(qreal points);

// Restores every value to its start-of-run state.
void reset();

} // namespace PrinterSettings
