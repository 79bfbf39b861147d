#include "core/print/PreviewDocument.h"

#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Preview;

namespace {

QPageLayout paperOf(const Page &page)
{
    QPageLayout layout(page.pageSize, page.orientation, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

bool samePaper(const Page &a, const Page &b)
{
    return a.pageSize.isEquivalentTo(b.pageSize) && a.orientation == b.orientation;
}

bool renderList(QPagedPaintDevice &device, const QList<Page> &pages, int firstNumber = 1,
                const std::function<bool(int)> &beforePage = {})
{
    device.setPageLayout(paperOf(pages.first()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (beforePage && !beforePage(firstNumber + int(i))) {
            painter.end();
            return false;
        }
        if (i > 0) {
            if (!samePaper(pages.at(i), pages.at(i - 1)))
                device.setPageLayout(paperOf(pages.at(i)));
            if (!device.newPage())
                return false;
        }
        painter.save();
        painter.scale(device.logicalDpiX() / twipsPerInch, device.logicalDpiY() / twipsPerInch);
        paintPage(painter, pages.at(i));
        painter.restore();
    }
    return painter.end();
}

} // namespace

bool PreviewDocument::render(QPagedPaintDevice &device, int fromPage, int toPage,
                             const std::function<bool(int)> &beforePage) const
{
    const int last = pageCount();
    const int from = fromPage > 0 ? qMin(fromPage, last) : 1;
    const int to = toPage > 0 ? qMin(toPage, last) : last;
    if (from > to)
        return false;
    return renderList(device, m_pages.mid(from - 1, to - from + 1), from, beforePage);
}

WriteResult PreviewDocument::renderPdf(const QString &path) const
{
    const auto failed = [&path](const QString &reason) {
        return WriteResult{false, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason)};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(int(twipsPerInch));
        writer.setCreator(QStringLiteral("Tessarel"));
        writer.setTitle(m_title);
        if (!renderList(writer, m_pages.isEmpty() ? QList<Page>{blankPage()} : m_pages))
            return failed(file.errorString().isEmpty() ? QStringLiteral("the pages could not be drawn")
                                                       : file.errorString());
    }
    if (!file.commit())
        return failed(file.errorString());
    return {true, {}};
}

QImage PreviewDocument::pageImage(int index, qreal dpi) const
{
    if (index < 0 || index >= pageCount() || dpi <= 0)
        return {};
    const Page &p = m_pages.at(index);
    const qreal scale = dpi / twipsPerInch;
    QImage image((p.size * scale).toSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintPage(painter, p);
    return image;
}
