#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>

#include "TodoPanelFixture.h"
#include "ui/preview/PrintPreview.h"

namespace {

// A to-do list as a 1990s Windows program leaves it: every field quoted, CR LF, all 2500 lines.
QByteArray handWrittenGrid()
{
    QByteArray bytes;
    for (int r = 1; r <= 500; ++r) {
        const bool filled = r % 7 == 1 && r < 300;
        bytes += filled ? "\"Review access list  " + QByteArray::number(r) + "\"\r\n" : QByteArray("\"\"\r\n");
        bytes += filled ? "\"Mon - Dec 7, 26\"\r\n" : "\"\"\r\n";
        bytes += r == 8 ? "\"Tue - Dec 8, 26\"\r\n" : "\"\"\r\n";
        bytes += "\"\"\r\n";
        bytes += filled ? "\"Thu - Jan 7, 27\"\r\n" : "\"\"\r\n";
    }
    return bytes;
}

int pagesWithText(const PreviewDocument &doc, const QString &text)
{
    int count = 0;
    for (const Preview::Page &page : doc.pages())
        for (const Preview::Op &op : page.ops)
            if (const auto *t = std::get_if<Preview::TextOp>(&op); t && t->text == text) {
                ++count;
                break;
            }
    return count;
}

int lineCount(const PreviewDocument &doc)
{
    int count = 0;
    for (const Preview::Page &page : doc.pages())
        for (const Preview::Op &op : page.ops)
            count += std::holds_alternative<Preview::LineOp>(op) ? 1 : 0;
    return count;
}

} // namespace

TEST_F(TodoPanelTest, HandWrittenFilesReadAndWriteBackByteForByte)
{
    const QByteArray names = "\"Review access list\"\r\n\"Train staff\"\r\n\"Audit  logs\"\r\n";
    folder.write("TODOActv.FIL", handWrittenGrid());
    folder.write("TODONAME.FIL", names);
    open();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(cell(8, 3), "Tue - Dec 8, 26");
    EXPECT_EQ(cell(295, 1), "Review access list  295");
    panel->listButtons[5]->click();
    EXPECT_EQ(folder.read("TODOActv.FIL"), handWrittenGrid());

    panel->entryBox->setText("Lock server room");
    panel->listButtons[2]->click();
    EXPECT_EQ(folder.read("TODONAME.FIL"), names + "\"Lock server room\"\r\n");
}

TEST_F(TodoPanelTest, AFailedSaveIsReportedAndKeepsTheChanges)
{
    open();
    ASSERT_TRUE(QDir(folder.path()).mkdir("TODOActv.FIL"));
    type("Sign BA contracts");
    panel->listButtons[2]->click();
    panel->listButtons[5]->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].caption, "Save Failed");
    EXPECT_TRUE(dialogs.messages[0].text.contains("TODOActv.FIL"));
    EXPECT_TRUE(panel->gridChanged);

    ASSERT_TRUE(QFile::remove(folder.file("TODONAME.FIL")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("TODONAME.FIL"));
    type("Lock server room");
    panel->listButtons[2]->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].text.contains("TODONAME.FIL"));
    EXPECT_EQ(panel->namePicker->findText("Lock server room"), 1) << "the name stays in the picker";
}

TEST_F(TodoPanelTest, AFileReadInPartIsReportedOnceAndKeptBeforeItIsReplaced)
{
    const QByteArray cut = gridFile({{"Audit logs"}}).left(40);
    folder.write("TODOActv.FIL", cut);
    open();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("TODOActv.FIL ends after"));
    EXPECT_EQ(cell(1, 1), "Audit logs");
    panel->listButtons[5]->click();
    EXPECT_EQ(folder.read("TODOActv.FIL.bak"), cut);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST_F(TodoPanelTest, PrintLaysTheListOutAgainWhenAnOptionChanges)
{
    open();
    panel->listButtons[4]->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "There are currently No Entries to Print!");
    EXPECT_EQ(dialogs.messages[0].caption, "Print");
    EXPECT_FALSE(preview->isVisible());

    for (int r = 1; r <= 90; ++r)
        panel->grid->setCell(r, 1, QStringLiteral("Item %1").arg(r));
    panel->listButtons[4]->click();
    ASSERT_TRUE(preview->isVisible());
    EXPECT_FALSE(options.isEnabled());
    const PreviewDocument &doc = preview->printPreview->document();
    ASSERT_GE(doc.pageCount(), 2);
    EXPECT_EQ(pagesWithText(doc, "As of  December 08, 2026"), doc.pageCount());
    EXPECT_GT(lineCount(doc), 0);

    preview->printOptions[0]->click();
    EXPECT_EQ(lineCount(doc), 0);
    preview->asOfDateOption->click();
    EXPECT_EQ(pagesWithText(doc, "As of  December 08, 2026"), 0);
    EXPECT_EQ(pagesWithText(doc, "To Do List"), doc.pageCount());
    dialogs.answerFileName(folder.file("list.pdf"));
    preview->pageCommands[5]->click();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_TRUE(dialogs.fileDialogs[0].path.endsWith("To Do List 2026-12-08.pdf"));
    EXPECT_TRUE(folder.read("list.pdf").startsWith("%PDF"));

    preview->pageCommands[2]->click();
    EXPECT_TRUE(options.isEnabled());
}
