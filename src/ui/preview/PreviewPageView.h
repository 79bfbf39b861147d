#pragma once

#include <QWidget>

#include "core/print/PreviewPage.h"

class PreviewDocument;

// Paints pages of a preview document on a grey desk, from a first page on in a grid of columns and rows
// (one page unless set), each as large as fits its share of the widget; optionally with dotted guide lines
// at the pages' margins (on screen only).
class PreviewPageView : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPageView(QWidget *parent = nullptr);

    // Shows page `index` of `document` (which must outlive the view) while the document has it; the
    // empty desk otherwise.
    void setPage(const PreviewDocument *document, int index);
    void setGuideLines(bool on);
    void setGrid(int columns, int rows);
    // Room kept around the page, in pixels.
    static constexpr int desk = 12;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Preview::Page *page(int slot) const;
    QRectF paperRect(const Preview::Page &page, int slot) const;
    void paintGuideLines(QPainter &painter, const Preview::Page &page, const QRectF &paper) const;

    const PreviewDocument *m_document = nullptr;
    int m_index = -1;
    bool m_guideLines = false;
    int m_columns = 1;
    int m_rows = 1;
};
