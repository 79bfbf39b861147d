#include "ui/preview/PrintPreview.h"

#include <QActionGroup>
#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include "ui/preview/PreviewPageView.h"

PrintPreview::PrintPreview(QWidget *parent)
    : QWidget(parent)
    , m_document(new PreviewDocument(this))
    , m_view(new PreviewPageView)
    , m_scroll(new QScrollArea(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Print preview"));
    m_scroll->setObjectName(QStringLiteral("pageArea"));
    m_scroll->setAccessibleName(tr("Preview page"));
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(false);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createNavigationBar());
    layout->addWidget(m_scroll, 1);

    connect(m_document, &PreviewDocument::documentChanged, this, &PrintPreview::showDocument);
    showDocument();
}

PrintPreview::~PrintPreview() = default;

QWidget *PrintPreview::createNavigationBar()
{
    m_navigationBar = new QWidget(this);
    m_navigationBar->setObjectName(QStringLiteral("navigationBar"));
    auto *row = new QHBoxLayout(m_navigationBar);
    row->setContentsMargins(4, 2, 4, 2);
    m_first = addNavigationButton(m_navigationBar, "firstPage", QStyle::SP_MediaSkipBackward, tr("First Page"));
    m_previous = addNavigationButton(m_navigationBar, "previousPage", QStyle::SP_MediaSeekBackward, tr("Previous Page"));
    m_next = addNavigationButton(m_navigationBar, "nextPage", QStyle::SP_MediaSeekForward, tr("Next Page"));
    m_last = addNavigationButton(m_navigationBar, "lastPage", QStyle::SP_MediaSkipForward, tr("Last Page"));
    m_pageLabel = new QLabel(m_navigationBar);
    m_pageLabel->setObjectName(QStringLiteral("pageNumber"));
    row->addSpacing(8);
    row->addWidget(m_pageLabel);
    row->addStretch(1);
    row->addWidget(createZoomMenu(m_navigationBar));

    connect(m_first, &QToolButton::clicked, this, [this] { setCurrentPage(1); });
    connect(m_previous, &QToolButton::clicked, this, [this] { setCurrentPage(m_current - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { setCurrentPage(m_current + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { setCurrentPage(m_document->pageCount()); });
    return m_navigationBar;
}

QToolButton *PrintPreview::createZoomMenu(QWidget *bar)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QStringLiteral("zoomMenu"));
    button->setText(tr("&Zoom"));
    button->setAccessibleName(tr("Zoom"));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setFocusPolicy(Qt::NoFocus);
    auto *menu = new QMenu(button);
    auto *group = new QActionGroup(menu);
    const QStringList captions = QStringLiteral("Whole &Page|Page &Width|&Two Pages|Thumb&nail").split(QLatin1Char('|'));
    for (int i = 0; i < captions.size(); ++i) {
        QAction *action = menu->addAction(captions[i]);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setZoom(WholePage + i); });
        m_zoomActions.append(action);
    }
    button->setMenu(menu);
    m_scroll->viewport()->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_scroll->viewport()->addActions(m_zoomActions);
    showZoom();
    return button;
}

void PrintPreview::showZoom()
{
    for (int i = 0; i < m_zoomActions.size(); ++i)
        m_zoomActions[i]->setChecked(WholePage + i == m_zoom);
}

QToolButton *PrintPreview::addNavigationButton(QWidget *bar, const char *name, QStyle::StandardPixmap icon,
                                               const QString &tip)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    bar->layout()->addWidget(button);
    return button;
}

void PrintPreview::setZoom(int zoom)
{
    if (zoom < WholePage || zoom > Thumbnail)
        return;
    m_zoom = zoom;
    m_scroll->setVerticalScrollBarPolicy(zoom == PageWidth ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    m_view->setGrid(zoom == TwoPages ? 2 : zoom == Thumbnail ? 3 : 1, zoom == Thumbnail ? 2 : 1);
    showZoom();
    fitPage();
}

void PrintPreview::setNavigation(int setting)
{
    m_navigation = setting;
    m_navigationBar->setVisible(setting != 0);
}

void PrintPreview::setGuideLines(bool on)
{
    m_guideLines = on;
    m_view->setGuideLines(on);
}

void PrintPreview::setCurrentPage(int page)
{
    const int count = m_document->pageCount();
    const int wanted = count == 0 ? 0 : qBound(1, page, count);
    const bool changed = wanted != m_current;
    m_current = wanted;
    m_view->setPage(m_document, m_current - 1);
    refreshNavigation();
    fitPage();
    m_scroll->verticalScrollBar()->setValue(0);
    if (changed)
        emit currentPageChanged(m_current);
}

// A document being drawn shows as it grows; a finished one shows the same page again when it still has
// it, the last page otherwise.
void PrintPreview::showDocument()
{
    if (m_document->isOpen())
        m_view->update();
    else
        setCurrentPage(qMax(1, m_current));
}

void PrintPreview::refreshNavigation()
{
    const int count = m_document->pageCount();
    m_pageLabel->setText(tr("Page %1 of %2").arg(m_current).arg(count));
    m_first->setEnabled(m_current > 1);
    m_previous->setEnabled(m_current > 1);
    m_next->setEnabled(m_current < count);
    m_last->setEnabled(m_current < count);
}

// Whole page: the page view fills the visible area. Page width: it is as wide as the visible area and
// as tall as the page then needs.
void PrintPreview::fitPage()
{
    const QSize room = m_scroll->viewport()->size();
    if (m_zoom != PageWidth || m_current == 0 || m_current > m_document->pageCount()) {
        m_view->resize(room);
        return;
    }
    const QSizeF paper = m_document->page(m_current - 1).size;
    const qreal scale = (room.width() - 2 * PreviewPageView::desk) / paper.width();
    m_view->resize(room.width(), qMax(room.height(), qCeil(paper.height() * scale) + 2 * PreviewPageView::desk));
}

bool PrintPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        fitPage();
    return QWidget::eventFilter(watched, event);
}

void PrintPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        setCurrentPage(m_current + 1);
        break;
    case Qt::Key_PageUp:
        setCurrentPage(m_current - 1);
        break;
    case Qt::Key_Home:
        setCurrentPage(1);
        break;
    case Qt::Key_End:
        setCurrentPage(m_document->pageCount());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
