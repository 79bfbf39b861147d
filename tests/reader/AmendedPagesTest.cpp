#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/RuleReaderWindow.h"
#include "ui/reader/SearchPanel.h"
#include "core/references/ReferenceText.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

// The reader in a program folder holding the generated pages, in both texts where there are two.
class AmendedPages : public ::testing::Test
{
protected:
    AmendedPages()
    {
        ProgramState::reset();
        RuleReaderWindow::amendedTextShown = false;
        for (const char *name : {"PR0.Dat", "PR0A.Dat", "PR9.Dat", "PR23.Dat", "PR23A.Dat", "PR24.Dat", "PR24A.Dat"})
            EXPECT_TRUE(QFile::copy(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/") + QLatin1String(name),
                                    folder.file(QLatin1String(name))))
                << name;
    }
    ~AmendedPages() override { RuleReaderWindow::amendedTextShown = false; }

    // The page box shows exactly `file` once page n is chosen (n < 0: the page already shown).
    static void expectPage(RuleReaderWindow &reader, int n, const char *file)
    {
        if (n >= 0)
            reader.pageOptions[n]->click();
        const QByteArray shown = reader.pageView->TextRTF();
        RichTextBox &box = *reader.pageView;
        ASSERT_TRUE(box.LoadFile(QLatin1String(file))) << file;
        EXPECT_EQ(shown, box.TextRTF()) << file;
        box.setTextRTF(shown);
    }
    static bool anyStruck(const RichTextBox &box)
    {
        for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontStrikeOut())
                    return true;
        return false;
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
};

TEST_F(AmendedPages, UncheckedEveryPageIsTheAdoptedOne)
{
    RuleReaderWindow w(nullptr);
    w.show();
    for (int n : {0, 9, 23, 24})
        expectPage(w, n, qPrintable(QStringLiteral("PR%1.Dat").arg(n)));
    EXPECT_FALSE(anyStruck(*w.pageView));
}

TEST_F(AmendedPages, CheckedTheRegulationPagesShowTheAmendedTextAndTheChoiceLastsForTheRun)
{
    {
        RuleReaderWindow w(nullptr);
        w.show();
        w.pageOptions[23]->click();
        w.amendedTextAction->trigger();
        EXPECT_TRUE(w.amendedTextAction->isChecked());
        expectPage(w, -1, "PR23A.Dat"); // the shown page follows at once
        const QString text = w.pageView->Text();
        EXPECT_TRUE(text.contains(QString::fromUtf8(ReferenceText::amendedHeading)));
        EXPECT_TRUE(text.contains(QStringLiteral("or (a)(2)(iii) of this section")));
        EXPECT_TRUE(anyStruck(*w.pageView));
        expectPage(w, 9, "PR9.Dat"); // a preamble page has one text only
        expectPage(w, 0, "PR0A.Dat");

        // Search and print work on the amended text.
        w.pageOptions[23]->click();
        w.searchButton->click();
        QTest::keyClicks(w.searchPanel->searchText, QStringLiteral("subcontractors"));
        w.searchPanel->searchButton->click();
        EXPECT_EQ(w.pageView->SelText(), "subcontractors");
        w.printButton->click();
        EXPECT_TRUE(w.previewPanel->isVisible());
        w.previewPanel->handleEscape();
    }
    RuleReaderWindow again(nullptr);
    again.show();
    EXPECT_TRUE(again.amendedTextAction->isChecked());
    expectPage(again, 24, "PR24A.Dat");
    again.amendedTextAction->trigger();
    expectPage(again, -1, "PR24.Dat");
}

} // namespace
