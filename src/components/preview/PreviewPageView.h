#pragma once

#include <QWidget>

#include "components/preview/PreviewPage.h"

class PreviewDocument;

// Paints one page of a preview document, as large as fits the widget, on a grey desk; optionally with
// dotted guide lines at the page's margins (on screen only).
class PreviewPageView : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewPageView(QWidget *parent = nullptr);

    // Shows page `index` of `document` (which must outlive the view) while the document has it; the
    // empty desk otherwise.
    void setPage(const PreviewDocument *document, int index);
    void setGuideLines(bool on);
    // Room kept around the page, in pixels.
    static constexpr int desk = 12;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Preview::Page *page() const;
    QRectF paperRect(const Preview::Page &page) const;
    void paintGuideLines(QPainter &painter, const Preview::Page &page, const QRectF &paper) const;

    const PreviewDocument *m_document = nullptr;
    int m_index = -1;
    bool m_guideLines = false;
};
