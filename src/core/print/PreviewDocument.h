#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>

#include <functional>

#include "core/files/SafeWrite.h"
#include "core/print/PreviewPage.h"

class QPagedPaintDevice;
class QTextDocument;

// A printed document built by drawing calls and kept as pages of draw operations. Every measure is in
// twips from the paper's top-left corner; the same pages render to the screen, an image, a PDF file or a
// printer. Drawing happens between startDoc() and endDoc(); a drawing call outside a document starts one.
class PreviewDocument : public QObject
{
    Q_OBJECT

public:
    explicit PreviewDocument(QObject *parent = nullptr);

    // Page setup: paper (Letter unless changed), orientation 0 portrait / 1 landscape, margins.
    // A change applies to the pages started after it.
    QPageSize pageSize() const { return m_pageSize; }
    void setPageSize(const QPageSize &size) { m_pageSize = size; }
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation == 1 ? 1 : 0; }
    qreal pageWidth() const;
    qreal pageHeight() const;
    qreal marginLeft() const { return m_margins.left(); }
    qreal marginTop() const { return m_margins.top(); }
    qreal marginRight() const { return m_margins.right(); }
    qreal marginBottom() const { return m_margins.bottom(); }
    void setMarginLeft(qreal twips) { m_margins.setLeft(qMax(0.0, twips)); }
    void setMarginTop(qreal twips) { m_margins.setTop(qMax(0.0, twips)); }
    void setMarginRight(qreal twips) { m_margins.setRight(qMax(0.0, twips)); }
    void setMarginBottom(qreal twips) { m_margins.setBottom(qMax(0.0, twips)); }
    // The setup as a layout (margins in points), to exchange with a printer.
    QPageLayout pageLayout() const;
    void setPageLayout(const QPageLayout &layout);

    // What is printed or drawn next.
    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    void setFontName(const QString &name) { m_font.setFamily(name); }
    void setFontSize(qreal points);
    void setFontBold(bool on) { m_font.setBold(on); }
    void setFontItalic(bool on) { m_font.setItalic(on); }
    void setFontUnderline(bool on) { m_font.setUnderline(on); }
    void setFontStrikethrough(bool on) { m_font.setStrikeOut(on); }
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &colour) { m_textColor = colour; }
    QColor lineColor() const { return m_lineColor; }
    void setLineColor(const QColor &colour) { m_lineColor = colour; }

    // The print position, where the next text starts.
    qreal currentX() const { return m_x; }
    qreal currentY() const { return m_y; }
    void setCurrentX(qreal twips) { m_x = twips; }
    void setCurrentY(qreal twips) { m_y = twips; }

    // Width of `text` (its widest line) and the height of one line, in the current font.
    qreal textWidth(const QString &text) const;
    qreal lineHeight() const;

    void startDoc();
    void endDoc();
    // Empties the document; nothing is shown afterwards.
    void discard();
    // Continues at the top margin of a fresh page.
    void newPage();
    bool isOpen() const { return m_open; }

    // What the document is, e.g. "Status Report": the PDF title and the start of a suggested file name.
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }

    // Prints each line of `text` at the current position and moves down one line per line printed, back
    // to the left margin. A line too long for the right margin wraps under its start; a line that would
    // cross the bottom margin goes to the top of a new page.
    void printText(const QString &text);
    // Prints `text` as one line at the current position, neither wrapped nor moved to a new page, and
    // moves down one line, back to the left margin. For callers that lay out their own pages.
    void printLine(const QString &text);
    // A straight line in the line colour.
    void drawLine(qreal x1, qreal y1, qreal x2, qreal y2);
    // Flows a formatted block between the margins from the current vertical position over as many pages
    // as it needs; afterwards the position is below its last line, at the left margin.
    void appendRichText(const QTextDocument &block);
    // The same for RTF; false (and nothing drawn) when `rtf` cannot be read.
    bool appendRtf(const QByteArray &rtf);

    int pageCount() const { return int(m_pages.size()); }
    const Preview::Page &page(int index) const { return m_pages.at(index); }
    const QList<Preview::Page> &pages() const { return m_pages; }

    // Renders the pages (1-based, inclusive; 0 for all) to a paged device: a printer or a PDF writer.
    // `beforePage`, when given, hears of each page (1-based) before it is drawn; false stops the
    // rendering there, and render() returns false.
    bool render(QPagedPaintDevice &device, int fromPage = 0, int toPage = 0,
                const std::function<bool(int page)> &beforePage = {}) const;
    // Writes the document as a PDF file (one blank page when it is empty), replacing `path` only once the
    // whole file is written.
    WriteResult renderPdf(const QString &path) const;
    // Page `index` as an image at `dpi`, white paper.
    QImage pageImage(int index, qreal dpi) const;

signals:
    // The document was started, ended or discarded.
    void documentChanged();

private:
    void ensureOpen();
    void addOp(Preview::Op op);
    Preview::Page blankPage() const;
    void breakPageBefore(qreal height);

    QPageSize m_pageSize{QPageSize::Letter};
    int m_orientation = 0;
    QMarginsF m_margins{1440, 1440, 1440, 1440};
    QFont m_font;
    QColor m_textColor = Qt::black;
    QColor m_lineColor = Qt::black;
    qreal m_x = 1440;
    qreal m_y = 1440;
    bool m_open = false;
    QString m_title;
    QList<Preview::Page> m_pages;
};
