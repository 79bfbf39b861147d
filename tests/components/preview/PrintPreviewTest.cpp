#include <QFile>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "ui/preview/PreviewPageView.h"
#include "ui/preview/PrintPreview.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

void drawPages(PrintPreview &preview, int pages)
{
    PreviewDocument &doc = preview.document();
    doc.startDoc();
    for (int i = 1; i <= pages; ++i) {
        if (i > 1)
            doc.newPage();
        doc.printText(QStringLiteral("Text of page %1").arg(i));
    }
    doc.endDoc();
}

struct Shown {
    Shown(int width, int height)
    {
        preview.setObjectName(QStringLiteral("VSP1"));
        preview.resize(width, height);
        preview.show();
    }
    PrintPreview preview;
    QLabel *label() const { return preview.findChild<QLabel *>(QStringLiteral("pageNumber")); }
    QToolButton *button(const char *name) const { return preview.findChild<QToolButton *>(QLatin1String(name)); }
    QScrollArea *area() const { return preview.findChild<QScrollArea *>(QStringLiteral("pageArea")); }
};

} // namespace

TEST(PrintPreview, NavigatesThePagesWithItsOwnBar)
{
    Shown s(600, 800);
    drawPages(s.preview, 3);
    EXPECT_EQ(s.label()->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_FALSE(s.button("firstPage")->isEnabled());
    EXPECT_FALSE(s.button("previousPage")->isEnabled());
    s.button("nextPage")->click();
    EXPECT_EQ(s.label()->text(), QStringLiteral("Page 2 of 3"));
    s.button("lastPage")->click();
    EXPECT_EQ(s.preview.currentPage(), 3);
    EXPECT_FALSE(s.button("nextPage")->isEnabled());
    s.button("previousPage")->click();
    EXPECT_EQ(s.preview.currentPage(), 2);
    s.button("firstPage")->click();
    EXPECT_EQ(s.preview.currentPage(), 1);
    QTest::keyClick(&s.preview, Qt::Key_PageDown);
    EXPECT_EQ(s.preview.currentPage(), 2);
    QTest::keyClick(&s.preview, Qt::Key_End);
    EXPECT_EQ(s.preview.currentPage(), 3);

    s.preview.setZoom(PrintPreview::PageWidth);
    s.preview.document().startDoc(); // re-rendered while on page 3, shorter
    s.preview.resize(500, 700);
    s.preview.grab();
    s.preview.document().printText(QStringLiteral("one"));
    s.preview.document().newPage();
    s.preview.document().endDoc();
    EXPECT_EQ(s.label()->text(), QStringLiteral("Page 2 of 2"));

    s.preview.document().discard();
    EXPECT_EQ(s.preview.currentPage(), 0);
    EXPECT_EQ(s.label()->text(), QStringLiteral("Page 0 of 0"));
    EXPECT_FALSE(s.button("nextPage")->isEnabled());
    EXPECT_FALSE(s.button("lastPage")->isEnabled());

    QWidget *bar = s.preview.findChild<QWidget *>(QStringLiteral("navigationBar"));
    EXPECT_TRUE(bar->isVisible());
    s.preview.setNavigation(0);
    EXPECT_FALSE(bar->isVisible());
    s.preview.setNavigation(3);
    EXPECT_TRUE(bar->isVisible());
}

TEST(PrintPreview, WholePageFitsAndPageWidthScrolls)
{
    Shown s(600, 500);
    drawPages(s.preview, 1);
    QWidget *view = s.area()->widget();
    EXPECT_EQ(s.preview.zoom(), PrintPreview::WholePage);
    EXPECT_EQ(view->size(), s.area()->viewport()->size());
    EXPECT_EQ(s.area()->verticalScrollBar()->maximum(), 0);

    s.preview.setZoom(PrintPreview::PageWidth);
    EXPECT_EQ(view->width(), s.area()->viewport()->width());
    const qreal pageWidth = view->width() - 2 * PreviewPageView::desk;
    EXPECT_NEAR(view->height() - 2 * PreviewPageView::desk, pageWidth * 11 / 8.5, 2);
    EXPECT_GT(s.area()->verticalScrollBar()->maximum(), 0);

    s.preview.setZoom(7);
    EXPECT_EQ(s.preview.zoom(), PrintPreview::PageWidth);
    s.preview.setZoom(PrintPreview::WholePage);
    EXPECT_EQ(view->size(), s.area()->viewport()->size());
}

TEST(PrintPreview, GuideLinesAreDrawnOnTheScreenOnly)
{
    ScriptedDialogs dialogs;
    Shown s(400, 500);
    s.preview.document().setMarginLeft(2880);
    drawPages(s.preview, 1);
    const QImage plain = s.area()->widget()->grab().toImage();
    s.preview.setGuideLines(true);
    const QImage guided = s.area()->widget()->grab().toImage();
    EXPECT_NE(plain, guided);

    s.preview.Action(PrintPreview::CopyPage);
    EXPECT_EQ(dialogs.clipboardImage, s.preview.document().pageImage(0, PrintPreview::clipboardDpi));
}

TEST(PrintPreview, CopyPutsThePageOnDisplayOnTheClipboard)
{
    ScriptedDialogs dialogs;
    Shown s(400, 500);
    s.preview.Action(PrintPreview::CopyPage); // nothing to copy
    EXPECT_TRUE(dialogs.clipboardImage.isNull());

    drawPages(s.preview, 2);
    s.preview.setCurrentPage(2);
    s.preview.Action(PrintPreview::CopyPage);
    const QImage copied = dialogs.clipboardImage;
    EXPECT_EQ(copied.size(), QSize(1275, 1650)); // Letter at 150 dpi
    EXPECT_EQ(copied, s.preview.document().pageImage(1, PrintPreview::clipboardDpi));
    EXPECT_NE(copied, s.preview.document().pageImage(0, PrintPreview::clipboardDpi));
}

TEST(PrintPreview, PrintsThroughThePrintDialog)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    Shown s(400, 500);
    drawPages(s.preview, 2);

    dialogs.answerPrint(false);
    s.preview.Action(PrintPreview::PrintDocument);
    EXPECT_EQ(dialogs.printCalls, 1);

    QString fromTo;
    dialogs.onPrint = [&](QPrinter &printer) {
        fromTo = QStringLiteral("%1-%2").arg(printer.fromPage()).arg(printer.toPage());
        printer.setOutputFileName(folder.file(QStringLiteral("all.pdf")));
    };
    dialogs.answerPrint(true);
    s.preview.Action(PrintPreview::PrintDocument);
    EXPECT_EQ(fromTo, QStringLiteral("1-2"));
    ASSERT_TRUE(folder.exists(QStringLiteral("all.pdf")));

    dialogs.onPrint = [&](QPrinter &printer) {
        printer.setOutputFileName(folder.file(QStringLiteral("second.pdf")));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 2);
    };
    dialogs.answerPrint(true);
    s.preview.Action(PrintPreview::PrintDocument);

    const QString all = pdfText(folder.file(QStringLiteral("all.pdf")));
    if (all.isNull())
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(all.contains(QStringLiteral("Text of page 1")));
    EXPECT_TRUE(all.contains(QStringLiteral("Text of page 2")));
    EXPECT_EQ(all.split(QLatin1Char('\f'), Qt::SkipEmptyParts).size(), 2);
    const QString second = pdfText(folder.file(QStringLiteral("second.pdf")));
    EXPECT_FALSE(second.contains(QStringLiteral("Text of page 1")));
    EXPECT_TRUE(second.contains(QStringLiteral("Text of page 2")));
}

TEST(PrintPreview, PageSetupSetsPaperOrientationAndMargins)
{
    ScriptedDialogs dialogs;
    Shown s(400, 500);
    PreviewDocument &doc = s.preview.document();
    doc.setMarginLeft(350);
    doc.setMarginTop(300);

    dialogs.answerPageSetup(false);
    s.preview.Action(PrintPreview::PageSetup);
    EXPECT_EQ(dialogs.pageSetupCalls, 1);
    EXPECT_EQ(doc.orientation(), 0);

    qreal offeredLeft = 0;
    dialogs.onPageSetup = [&](QPrinter &printer) {
        offeredLeft = printer.pageLayout().margins(QPageLayout::Point).left() * 20;
        printer.setPageSize(QPageSize(QPageSize::Legal));
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageMargins(QMarginsF(36, 18, 54, 9), QPageLayout::Point);
    };
    dialogs.answerPageSetup(true);
    s.preview.Action(PrintPreview::PageSetup);
    EXPECT_NEAR(offeredLeft, 350, 0.5);
    EXPECT_EQ(doc.orientation(), 1);
    EXPECT_GT(doc.pageWidth(), doc.pageHeight());
    EXPECT_DOUBLE_EQ(doc.pageWidth(), 14 * 1440);
    EXPECT_NEAR(doc.marginLeft(), 720, 0.5);
    EXPECT_NEAR(doc.marginTop(), 360, 0.5);
    EXPECT_NEAR(doc.marginRight(), 1080, 0.5);
    EXPECT_NEAR(doc.marginBottom(), 180, 0.5);
}

TEST(PrintPreview, ZoomMenuShowsOneTwoOrSixPages)
{
    Shown s(600, 500);
    drawPages(s.preview, 3);
    QToolButton *zoom = s.button("zoomMenu");
    ASSERT_NE(zoom, nullptr);
    const QList<QAction *> actions = zoom->menu()->actions();
    QStringList captions;
    for (const QAction *a : actions)
        captions.append(a->text());
    EXPECT_EQ(captions.join('|'), QStringLiteral("Whole &Page|Page &Width|&Two Pages|Thumb&nail"));
    EXPECT_EQ(s.area()->viewport()->actions(), actions); // also the page's context menu

    const struct {
        int action;
        int zoom;
        int papers; // white pages seen across the middle of the view
    } picks[] = {{2, PrintPreview::TwoPages, 2}, {3, PrintPreview::Thumbnail, 3}, {0, PrintPreview::WholePage, 1},
                 {1, PrintPreview::PageWidth, 1}};
    for (const auto &pick : picks) {
        SCOPED_TRACE(pick.zoom);
        actions[pick.action]->trigger();
        EXPECT_EQ(s.preview.zoom(), pick.zoom);
        EXPECT_TRUE(actions[pick.action]->isChecked());
        const QImage shot = s.area()->widget()->grab().toImage();
        int papers = 0;
        bool onPaper = false;
        const int y = pick.zoom == PrintPreview::Thumbnail ? shot.height() / 4 : shot.height() / 2;
        for (int x = 0; x < shot.width(); ++x) {
            const bool white = shot.pixelColor(x, y) == QColor(Qt::white);
            papers += white && !onPaper;
            onPaper = white;
        }
        EXPECT_EQ(papers, pick.papers);
    }
}

TEST(PrintPreview, PrintingShowsItsProgressAndCanBeCancelled)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    Shown s(400, 500);
    drawPages(s.preview, 3);
    s.preview.document().setTitle(QStringLiteral("Status Report"));

    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel);
        QStringList seen;
        const QString pdf = folder.file(cancel ? QStringLiteral("cut.pdf") : QStringLiteral("whole.pdf"));
        dialogs.onPrint = [&](QPrinter &printer) {
            printer.setOutputFileName(pdf);
            QTimer::singleShot(0, &s.preview, [&] {
                auto *progress = s.preview.findChild<QProgressDialog *>(QStringLiteral("printingProgress"));
                ASSERT_NE(progress, nullptr);
                seen << progress->windowTitle() << progress->labelText()
                     << progress->findChild<QPushButton *>()->text();
                if (cancel)
                    progress->cancel();
            });
        };
        dialogs.answerPrint(true);
        s.preview.Action(PrintPreview::PrintDocument);
        ASSERT_EQ(seen.size(), 3);
        EXPECT_EQ(seen[0], QStringLiteral("Printing..."));
        EXPECT_TRUE(seen[1].startsWith(QStringLiteral("Now printing Page 1 of Status Report\non the PDF on ")))
            << seen[1].toStdString();
        EXPECT_EQ(seen[2], QStringLiteral("Cancel"));
        EXPECT_EQ(s.preview.findChild<QProgressDialog *>(), nullptr);
        const QString text = pdfText(pdf);
        if (!cancel) {
            EXPECT_EQ(text.split(QLatin1Char('\f'), Qt::SkipEmptyParts).size(), 3);
        } else {
            EXPECT_FALSE(text.contains(QStringLiteral("Text of page 3")));
        }
    }
}
