#pragma once

#include <QStyle>
#include <QWidget>

#include <memory>

#include "core/print/PreviewDocument.h"

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;
class PreviewPageView;

// The print preview control: shows the pages of its document one at a time with its own page navigation,
// prints them, copies the page on display to the clipboard and runs the page setup.
//
// Zoom 3 shows the whole page; zoom 4 fits the page's width and scrolls vertically; zoom 5 shows two pages
// side by side and zoom 6 six small ones; the zoom menu of the navigation bar (and of the page's context
// menu) picks among them. Navigation 0 hides the navigation bar; any other value (the panels use 3) shows
// it. Printing shows its progress page by page in a window that can cancel it.
class PrintPreview : public QWidget
{
    Q_OBJECT

public:
    enum Zoom { WholePage = 3, PageWidth = 4, TwoPages = 5, Thumbnail = 6 };
    enum ActionCode { CopyPage = 10, PrintDocument = 12, PageSetup = 14 };
    // Resolution of the page image put on the clipboard.
    static constexpr qreal clipboardDpi = 150;

    explicit PrintPreview(QWidget *parent = nullptr);
    ~PrintPreview() override;

    PreviewDocument &document() { return *m_document; }
    const PreviewDocument &document() const { return *m_document; }

    int zoom() const { return m_zoom; }
    void setZoom(int zoom);
    int navigation() const { return m_navigation; }
    void setNavigation(int setting);
    bool guideLines() const { return m_guideLines; }
    void setGuideLines(bool on);

    // The page on display, from 1; 0 while the document is empty.
    int currentPage() const { return m_current; }
    void setCurrentPage(int page);

    // 10 copies the page on display to the clipboard, 12 prints through the print dialog, 14 runs the
    // page setup dialog and takes paper, orientation and margins from it. Other codes do nothing.
    void Action(int code);

signals:
    void currentPageChanged(int page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *createNavigationBar();
    QToolButton *createZoomMenu(QWidget *bar);
    void showZoom();
    // The progress text while page `page` prints.
    QString printingText(int page) const;
    QToolButton *addNavigationButton(QWidget *bar, const char *name, QStyle::StandardPixmap icon,
                                     const QString &tip);
    void showDocument();
    void refreshNavigation();
    void fitPage();
    void copyPage();
    void printDocument();
    void runPageSetup();
    QPrinter &printer();

    PreviewDocument *m_document;
    PreviewPageView *m_view;
    QScrollArea *m_scroll;
    QWidget *m_navigationBar;
    QToolButton *m_first;
    QToolButton *m_previous;
    QToolButton *m_next;
    QToolButton *m_last;
    QLabel *m_pageLabel;
    QList<QAction *> m_zoomActions; // in zoom order from WholePage
    std::unique_ptr<QPrinter> m_printer;
    int m_zoom = WholePage;
    int m_navigation = 3;
    bool m_guideLines = false;
    int m_current = 0;
};
