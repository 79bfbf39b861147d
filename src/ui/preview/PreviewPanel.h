#pragma once

#include <QFrame>
#include <QList>

class PreviewDocument;
class PrintPreview;
class QDate;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The print preview panel PreviewPanel with its page commands, carried by the reader, the work area and the
// misc area. It covers its parent widget and is hidden until its window opens it. What goes into the preview
// is the window's: the panel asks for it with renderRequested().
class PreviewPanel : public QFrame
{
    Q_OBJECT

public:
    enum Variant { Reader, WorkArea, MiscArea };
    // Why the document must be rendered again.
    enum RenderCause { PrinterFontChanged, PageSetupDone, PrintRangeClicked };
    // In SharedAnswer while a window applies the stored guide-line option: the option writes nothing.
    static constexpr double SettingsLoadMarker = -899;

    explicit PreviewPanel(Variant variant, QWidget *parent = nullptr);

    Variant variant() const { return m_variant; }

    PrintPreview *printPreview = nullptr;
    QPushButton *enlargeButton = nullptr;
    QList<QPushButton *> pageCommands; // 0 font, 1 page setup, 2 cancel, 3 copy, 4 print, 5 save as PDF
    QList<QGroupBox *> panelFrames;    // 0 "Print Range", 1 "Display Options"
    QRadioButton *printRangeOption = nullptr;
    QList<QRadioButton *> guideLineOptions; // 0 no guide lines, 1 guide lines
    QGroupBox *printOptionsFrame = nullptr; // work area and misc area
    QList<QCheckBox *> printOptions;        // work area (0..3); misc area one box
    QCheckBox *asOfDateOption = nullptr;    // misc area
    QLabel *orientationCaption = nullptr;
    QList<QLabel *> fontDisplays;       // 0 font name, 1 font size, 2 orientation
    QGroupBox *sampleFrame = nullptr;   // work area and misc area
    QLabel *fontSample = nullptr;       // Panel3D82 (work area) / Panel3d82 (misc area)

    // Shows the panel with "&Cancel" focused, ready for the window to render into the preview.
    void open();
    // The window became active: place enlargeButton and save the preview's normal width and left edge, as the
    // panel lays it out (also while hidden or enlarged).
    void saveNormalLayout();
    // Esc with the panel shown: an enlarged preview goes back to normal, else the panel closes.
    // Returns false (the key is the window's) while the panel is hidden.
    bool handleEscape();
    bool isEnlarged() const;

    // Font name, size and sample from the shared printer font.
    void showPrinterFont();
    // Blank font display (the reader has no printer font).
    void clearPrinterFont();
    // Portrait orientation on the preview and " Portrait" in the orientation display.
    void resetOrientation();
    void showOrientation();

    // Selects the stored guide-line option under the settings-load marker, so nothing is written back.
    void applyGuideLineSetting();

    // "Report 2026-12-08.pdf" for the title "Report": the name "Save as PDF…" suggests.
    static QString suggestedPdfName(const QString &title, const QDate &date);
    // "Save as PDF…" for any preview document: asks for the file, writes it, says why when it cannot.
    static void savePdf(const PreviewDocument &document);

    void enlargeClicked();
    void pageCommandClicked(int index);
    void guideLineClicked(int index);
    void printRangeClicked();

  signals:
    void renderRequested(PreviewPanel::RenderCause cause);
    // "&Cancel" hid the panel.
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createPrintOptions();
    void createFontDisplay();
    void layoutControls();
    // Where the preview lies when not enlarged.
    QRect normalPreviewGeometry() const;
    int columnTop() const;
    void recordNormalLayout();
    void printerFontClicked();
    void pageSetupClicked();
    void cancelClicked();
    void copyClicked();
    void savePdfClicked();

    Variant m_variant;
    QWidget *m_column = nullptr;
};
