#include <QLabel>

#include "ui/widgets/richtext/RichTextBox.h"
#include "ui/preview/FontDisplay.h"
#include "pagetools/PanelFixture.h"
#include "ui/reader/ReaderPreview.h"

namespace {

QString printedText(const PreviewDocument &doc)
{
    QStringList words;
    for (const Preview::Page &page : doc.pages())
        for (const Preview::Op &op : page.ops)
            if (const auto *text = std::get_if<Preview::TextOp>(&op))
                words << text->text.trimmed();
    return words.join(QLatin1Char(' ')).simplified();
}

class ReaderTools : public PanelTest
{
protected:
    ReaderTools()
    {
        page.setText(QStringLiteral("Alpha beta gamma\nDelta epsilon"));
        page.setSelStart(0);
        page.setSelLength(5);
        page.setSelFontName(QStringLiteral("Times New Roman"));
        page.setSelFontSize(12);
        page.setSelBold(false);
        page.setSelStart(6);
        page.setSelLength(4);
    }

    RichTextBox page;
};

} // namespace

TEST_F(ReaderTools, PreviewShowsTheSelectionAloneWithTheReaderMargins)
{
    PreviewPanel panel(PreviewPanel::Reader);
    panel.resize(900, 640);
    PrinterSettings::Font.name = QStringLiteral("Courier New");
    panel.fontDisplays[0]->setText(QStringLiteral(" something"));

    ReaderPreview::open(panel, page);

    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.printPreview->navigation(), 3);
    EXPECT_EQ(panel.fontDisplays[0]->text(), " ");
    EXPECT_EQ(panel.fontDisplays[1]->text(), " ");
    const PreviewDocument &doc = panel.printPreview->document();
    EXPECT_EQ(doc.marginLeft(), 350);
    EXPECT_EQ(doc.marginTop(), 300);
    EXPECT_EQ(doc.marginRight(), 350);
    EXPECT_EQ(doc.marginBottom(), 100);
    EXPECT_EQ(PrinterSettings::PrintMarginTop, 300);
    EXPECT_EQ(printedText(doc), "beta");
    EXPECT_EQ(ProgramState::mousePointer(), 0);

    page.setSelStart(0);
    ReaderPreview::render(*panel.printPreview, page);
    EXPECT_EQ(printedText(doc), "Alpha beta gamma Delta epsilon");
    ASSERT_EQ(doc.pageCount(), 1);
}

TEST_F(ReaderTools, FontDisplayWithoutSelectionOnlyAsks)
{
    page.setSelStart(3);
    fontDisplay(page);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "Please select text to change.");
    EXPECT_EQ(dialogs.messages[0].style, 64);
    EXPECT_EQ(dialogs.messages[0].caption, "Font Display");
    EXPECT_TRUE(dialogs.fontFlags.isEmpty());
    EXPECT_FALSE(page.HideSelection());
}

TEST_F(ReaderTools, FontDisplayPresetsFromTheSelectionAndCancelChangesNothing)
{
    page.setSelStart(0);
    page.setSelLength(5);
    page.setSelUnderline(true);
    const QByteArray before = page.TextRTF();
    dialogs.cancelNextFont();

    fontDisplay(page);

    EXPECT_EQ(dialogs.fontFlags, QList<int>{8450});
    ASSERT_EQ(dialogs.fontPresets.size(), 1);
    EXPECT_EQ(dialogs.fontPresets[0].family(), "Times New Roman");
    EXPECT_EQ(dialogs.fontPresets[0].pointSizeF(), 12);
    EXPECT_TRUE(dialogs.fontPresets[0].underline());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(page.TextRTF(), before);
    EXPECT_EQ(page.SelStart(), 0);
    EXPECT_EQ(page.SelLength(), 5);
}

TEST_F(ReaderTools, FontDisplayNeverAppliesBoldOrItalicAndSaysSoOnce)
{
    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSizeF(16);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    dialogs.answerFont(chosen, Qt::red);

    fontDisplay(page);

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text,
              "To keep the data in this document similar to the actual Security Rule,\r"
              "the Italic and Bold font selections have been deactivated.\r"
              "You can still change font name, font size, font color, etc.");
    EXPECT_EQ(dialogs.messages[0].style, 64);
    EXPECT_EQ(dialogs.messages[0].caption, "Font Display");
    EXPECT_EQ(page.SelStart(), 6);
    EXPECT_EQ(page.SelLength(), 4);
    EXPECT_EQ(page.SelFontName(), "Courier New");
    EXPECT_EQ(page.SelFontSize(), 16);
    EXPECT_TRUE(page.SelStrikeThru());
    EXPECT_EQ(page.SelColor(), QColor(Qt::red));
    EXPECT_FALSE(page.SelBold());
    EXPECT_FALSE(page.SelItalic());

    // Without bold or italic there is no notice.
    chosen.setBold(false);
    chosen.setItalic(false);
    dialogs.answerFont(chosen, Qt::blue);
    fontDisplay(page);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(page.SelColor(), QColor(Qt::blue));
}
