#include <QFile>
#include <QPushButton>

#include "components/preview/PreviewTestSupport.h"
#include "pagetools/PanelFixture.h"
#include "support/SteppedClock.h"

namespace {

using SavePdf = PanelTest;

void renderPages(PreviewPanel &panel, int pages)
{
    PreviewDocument &doc = panel.printPreview->document();
    doc.discard();
    doc.setTitle(QStringLiteral("Status Report"));
    doc.startDoc();
    for (int p = 1; p <= pages; ++p) {
        if (p > 1)
            doc.newPage();
        doc.printText(QStringLiteral("Page marker %1").arg(p));
    }
    doc.endDoc();
}

} // namespace

TEST_P(SavePdf, WritesEveryPageOfTheDocument)
{
    // The name typed in the file dialog, the file written, and the answer to the question about replacing
    // an existing file of the completed name (0: no question).
    struct Case
    {
        const char *typed;
        const char *written;
        int replaceAnswer;
    };
    const Case cases[] = {
        {"report.pdf", "report.pdf", 0},
        {"typed without extension", "typed without extension.pdf", 0},
        {"upper.PDF", "upper.PDF", 0},
        {"trailing dot.", "trailing dot.pdf", 0},
        {"replaced", "replaced.pdf", Dialogs::Yes},
        {"kept", "kept.pdf", Dialogs::No},
    };
    SteppedClock clock;
    auto panel = makePanel(GetParam());
    renderPages(*panel, 3);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const QString path = folder.file(QString::fromUtf8(c.written));
        if (c.replaceAnswer != 0) {
            folder.write(QString::fromUtf8(c.written), "old");
            dialogs.answer(c.replaceAnswer);
        }
        dialogs.fileDialogs.clear();
        dialogs.messages.clear();
        dialogs.answerFileName(folder.file(QString::fromUtf8(c.typed)));

        command(*panel, 5)->click();

        EXPECT_EQ(command(*panel, 5)->text(), QString::fromUtf8("Save as P&DF\u2026"));
        ASSERT_EQ(dialogs.fileDialogs.size(), 1);
        EXPECT_TRUE(dialogs.fileDialogs[0].save);
        EXPECT_TRUE(dialogs.fileDialogs[0].path.endsWith(QStringLiteral("/Status Report 2026-12-08.pdf")));
        if (c.replaceAnswer != 0) {
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_EQ(dialogs.messages[0].text, "\"" + QDir::toNativeSeparators(path) +
                                                    "\" already exists.\r\rDo you want to replace it?");
            EXPECT_EQ(dialogs.messages[0].style,
                      Dialogs::YesNo + Dialogs::Exclamation + Dialogs::DefaultButton2);
            EXPECT_EQ(dialogs.messages[0].caption, "Save as PDF");
        } else {
            EXPECT_TRUE(dialogs.messages.isEmpty());
        }
        if (c.replaceAnswer == Dialogs::No) {
            EXPECT_EQ(folder.read(QString::fromUtf8(c.written)), "old");
            continue;
        }
        ASSERT_TRUE(QFile::exists(path));
        const QString text = pdfText(path);
        if (text.isNull())
            GTEST_SKIP() << "pdftotext is not installed";
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        ASSERT_EQ(pages.size(), 3);
        for (int p = 0; p < 3; ++p)
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Page marker %1").arg(p + 1))) << p;
    }
    QStringList written;
    for (const Case &c : cases)
        written.append(QString::fromUtf8(c.written));
    written.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name), written) << "no file of the typed name";
}

TEST_P(SavePdf, FailedWriteIsReportedAndChangesNothing)
{
    auto panel = makePanel(GetParam());
    renderPages(*panel, 2);
    // A file stands where the folder should be, which no user, root included, can write into.
    folder.write(QStringLiteral("notafolder"), "kept");
    const QString path = folder.file(QStringLiteral("notafolder/report.pdf"));
    dialogs.answerFileName(path);

    command(*panel, 5)->click();

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].caption, "Save as PDF");
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::OkOnly + Dialogs::Critical);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(folder.read(QStringLiteral("notafolder")), "kept");
    EXPECT_EQ(panel->printPreview->document().pageCount(), 2);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"notafolder"});
}

TEST(SavePdfName, SuggestionIsTheTitleAndDateWithoutUnsafeCharacters)
{
    const QDate day(2026, 12, 8);
    EXPECT_EQ(PreviewPanel::suggestedPdfName(QStringLiteral("Status Report"), day),
              "Status Report 2026-12-08.pdf");
    EXPECT_EQ(PreviewPanel::suggestedPdfName(QStringLiteral("Authorization and/or: Supervision"), day),
              "Authorization and-or- Supervision 2026-12-08.pdf");
    EXPECT_EQ(PreviewPanel::suggestedPdfName(QString(), day), "Report 2026-12-08.pdf");
}

TESSAREL_ALL_PANELS(SavePdf);
