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

#include "core/workbook/HINFO1.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/PreviewPanel.h"
#include "ui/reader/PrivRule1.h"
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
        HINFO1::reset();
        PrivRule1::amendedTextShown = false;
        for (const char *name : {"PR0.Dat", "PR0A.Dat", "PR9.Dat", "PR23.Dat", "PR23A.Dat", "PR24.Dat", "PR24A.Dat"})
            EXPECT_TRUE(QFile::copy(QStringLiteral(TESSAREL_PROGRAM_FOLDER "/") + QLatin1String(name),
                                    folder.file(QLatin1String(name))))
                << name;
    }
    ~AmendedPages() override { PrivRule1::amendedTextShown = false; }

    // The page box shows exactly `file` once page n is chosen (n < 0: the page already shown).
    static void expectPage(PrivRule1 &reader, int n, const char *file)
    {
        if (n >= 0)
            reader.SSOption1[n]->click();
        const QByteArray shown = reader.RText2->TextRTF();
        RichTextBox &box = *reader.RText2;
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
    PrivRule1 w(nullptr);
    w.show();
    for (int n : {0, 9, 23, 24})
        expectPage(w, n, qPrintable(QStringLiteral("PR%1.Dat").arg(n)));
    EXPECT_FALSE(anyStruck(*w.RText2));
}

TEST_F(AmendedPages, CheckedTheRegulationPagesShowTheAmendedTextAndTheChoiceLastsForTheRun)
{
    {
        PrivRule1 w(nullptr);
        w.show();
        w.SSOption1[23]->click();
        w.mOAmended->trigger();
        EXPECT_TRUE(w.mOAmended->isChecked());
        expectPage(w, -1, "PR23A.Dat"); // the shown page follows at once
        const QString text = w.RText2->Text();
        EXPECT_TRUE(text.contains(QString::fromUtf8(ReferenceText::amendedHeading)));
        EXPECT_TRUE(text.contains(QStringLiteral("or (a)(2)(iii) of this section")));
        EXPECT_TRUE(anyStruck(*w.RText2));
        expectPage(w, 9, "PR9.Dat"); // a preamble page has one text only
        expectPage(w, 0, "PR0A.Dat");

        // Search and print work on the amended text.
        w.SSOption1[23]->click();
        w.SSCommand5->click();
        QTest::keyClicks(w.Panel3D3->Text1, QStringLiteral("subcontractors"));
        w.Panel3D3->Command5->click();
        EXPECT_EQ(w.RText2->SelText(), "subcontractors");
        w.SSCommand4->click();
        EXPECT_TRUE(w.previewPanel->isVisible());
        w.previewPanel->handleEscape();
    }
    PrivRule1 again(nullptr);
    again.show();
    EXPECT_TRUE(again.mOAmended->isChecked());
    expectPage(again, 24, "PR24A.Dat");
    again.mOAmended->trigger();
    expectPage(again, -1, "PR24.Dat");
}

} // namespace
