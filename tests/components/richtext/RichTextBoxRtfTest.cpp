#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextImageFormat>
#include <gtest/gtest.h>

#include "ui/widgets/richtext/RichTextBox.h"
#include "components/rtf/RtfTestSupport.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace {

// One line per character: what the box reports of its format, and its paragraph's alignment.
QStringList formatList(RichTextBox &box)
{
    QStringList formats;
    const QString text = box.Text();
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            continue;
        box.setSelStart(i);
        box.setSelLength(1);
        formats << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                       .arg(text[i])
                       .arg(box.SelFontName())
                       .arg(box.SelFontSize())
                       .arg(box.SelBold())
                       .arg(box.SelItalic())
                       .arg(box.SelUnderline())
                       .arg(box.SelStrikeThru())
                       .arg(box.SelColor().name())
                       .arg(box.SelAlignment());
    }
    return formats;
}

std::string formatsOf(RichTextBox &box)
{
    return formatList(box).join(u'\n').toStdString();
}

void format(RichTextBox &box, int start, int length, const std::function<void()> &apply)
{
    box.setSelStart(start);
    box.setSelLength(length);
    apply();
}

// "Plain bold italic red big struck under" in a right-aligned first paragraph, "Centred" and "Left"
// below it.
void fillFormatted(RichTextBox &box)
{
    box.setBaseFont(QFont(QStringLiteral("Liberation Serif"), 12));
    box.setText(QStringLiteral("Plain bold italic red big struck under\nCentred\nLeft"));
    format(box, 0, 0, [&] { box.setSelAlignment(1); });
    format(box, 6, 4, [&] { box.setSelBold(true); });
    format(box, 11, 6, [&] { box.setSelItalic(true); });
    format(box, 18, 3, [&] { box.setSelColor(QColor(200, 0, 0)); });
    format(box, 22, 3, [&] {
        box.setSelFontName(QStringLiteral("Liberation Mono"));
        box.setSelFontSize(20);
    });
    format(box, 26, 6, [&] { box.setSelStrikeThru(true); });
    format(box, 33, 5, [&] { box.setSelUnderline(true); });
    format(box, 40, 0, [&] { box.setSelAlignment(2); });
}

TEST(RichTextBoxRtf, TheSelectionPastedIntoAnotherBoxKeepsItsFormatting)
{
    RichTextBox source;
    fillFormatted(source);
    const std::string expected = formatList(source).mid(6, 39).join(u'\n').toStdString();
    source.setSelStart(6);
    source.setSelLength(40);
    ASSERT_EQ(source.SelText(), QStringLiteral("bold italic red big struck under\nCentred"));

    RichTextBox target;
    target.setBaseFont(source.baseFont());
    ASSERT_TRUE(target.setSelRTF(source.SelRTF()));
    EXPECT_EQ(target.Text(), QStringLiteral("bold italic red big struck under\nCentred"));
    EXPECT_EQ(formatsOf(target), expected);
}

TEST(RichTextBoxRtf, SelectionRtfReplacesTheSelection)
{
    RichTextBox source;
    fillFormatted(source);
    source.setSelStart(6);
    source.setSelLength(4);

    RichTextBox target;
    target.setText(QStringLiteral("one two three"));
    target.setSelStart(4);
    target.setSelLength(3);
    ASSERT_TRUE(target.setSelRTF(source.SelRTF()));
    EXPECT_EQ(target.Text(), QStringLiteral("one bold three"));
    target.setSelStart(5);
    EXPECT_TRUE(target.SelBold());
    target.setSelStart(1);
    EXPECT_FALSE(target.SelBold());

    EXPECT_FALSE(target.setSelRTF("not rtf at all"));
    EXPECT_EQ(target.Text(), QStringLiteral("one bold three"));
}

TEST(RichTextBoxRtf, TheWholeContentAssignedToAnotherBox)
{
    RichTextBox source;
    fillFormatted(source);
    RichTextBox target;
    ASSERT_TRUE(target.setTextRTF(source.TextRTF()));
    EXPECT_EQ(target.Text(), source.Text());
    EXPECT_EQ(formatsOf(target), formatsOf(source));

    EXPECT_FALSE(target.setTextRTF("plain words"));
    EXPECT_EQ(target.Text(), source.Text());
}

TEST(RichTextBoxFile, SavedFileLoadsBackWithTextAndFormatting)
{
    TempFolder folder;
    RichTextBox source;
    fillFormatted(source);
    ASSERT_TRUE(source.SaveFile(folder.file("Action0.Fil")));
    EXPECT_TRUE(folder.read("Action0.Fil").startsWith("{\\rtf"));

    RichTextBox loaded;
    loaded.setText(QStringLiteral("previous content"));
    QSignalSpy change(&loaded, &RichTextBox::Change);
    QString error;
    ASSERT_TRUE(loaded.LoadFile(folder.file("Action0.Fil"), &error)) << error.toStdString();
    EXPECT_GE(change.count(), 1);
    EXPECT_EQ(loaded.Text(), source.Text());
    EXPECT_EQ(formatsOf(loaded), formatsOf(source));

    // Saving again replaces the file with the new content.
    loaded.setText(QStringLiteral("short"));
    ASSERT_TRUE(loaded.SaveFile(folder.file("Action0.Fil")));
    RichTextBox again;
    ASSERT_TRUE(again.LoadFile(folder.file("Action0.Fil")));
    EXPECT_EQ(again.Text(), QStringLiteral("short"));
}

TEST(RichTextBoxFile, TheLoadedContentIsSearchedEditedAndUndoneLikeAnyOther)
{
    TempFolder folder;
    RichTextBox source;
    source.setText(QStringLiteral("The rule of rules.\nA second rule."));
    ASSERT_TRUE(source.SaveFile(folder.file("page.Dat")));

    RichTextBox box;
    box.setText(QStringLiteral("old words"));
    for (int load = 0; load < 2; ++load)
        ASSERT_TRUE(box.LoadFile(folder.file("page.Dat")));
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 5, -1, RichTextBox::FindWholeWord), 28);

    QSignalSpy change(&box, &RichTextBox::Change);
    box.setSelStart(0);
    QTest::keyClicks(&box, QStringLiteral("See: "));
    EXPECT_GE(change.count(), 1);
    EXPECT_EQ(box.Find(QStringLiteral("rule"), 10, -1, RichTextBox::FindWholeWord), 33);
    ASSERT_TRUE(box.document()->isUndoAvailable());
    box.undo();
    EXPECT_EQ(box.Text(), QStringLiteral("The rule of rules.\nA second rule."));
}

// A photograph whose PNG would be over the reader's limit for one picture.
TEST(RichTextBoxFile, APictureIsSavedInItsOwnBytesAndReadsBack)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(RtfTest::noiseImage(2400, 2400).save(&buffer, "JPEG", 75));
    TempFolder folder;
    folder.write("Action0.Fil", "{\\rtf1\\ansi before {\\pict\\jpegblip\\picwgoal1440\\pichgoal1440\r\n" +
                                    jpeg.toHex() + "} after}");

    RichTextBox box;
    const auto pictureSize = [](const RichTextBox &loaded) {
        const QTextDocument &document = *loaded.document();
        const QTextImageFormat format = RtfTest::formatAt(document, 7).toImageFormat();
        return qvariant_cast<QImage>(document.resource(QTextDocument::ImageResource, QUrl(format.name()))).size();
    };
    ASSERT_TRUE(box.LoadFile(folder.file("Action0.Fil")));
    ASSERT_EQ(pictureSize(box), QSize(2400, 2400));
    ASSERT_TRUE(box.SaveFile(folder.file("Action0.Fil")));
    const QByteArray saved = folder.read("Action0.Fil");
    EXPECT_TRUE(saved.contains("\\pict\\jpegblip"));
    EXPECT_LT(saved.size(), jpeg.size() * 21 / 10); // its hex, not a PNG twice its size

    RichTextBox reloaded;
    ASSERT_TRUE(reloaded.LoadFile(folder.file("Action0.Fil")));
    EXPECT_EQ(reloaded.Text(), box.Text());
    EXPECT_EQ(pictureSize(reloaded), QSize(2400, 2400));
    ASSERT_TRUE(reloaded.SaveFile(folder.file("Action0.Fil")));
    EXPECT_EQ(folder.read("Action0.Fil"), saved);
}

TEST(RichTextBoxFile, AFileWhoseFormattingIsSimplifiedLoadsWholeAndTheUserIsToldOnce)
{
    TempFolder folder;
    ScriptedDialogs dialogs;
    const QByteArray words = QByteArray("word ").repeated(5000); // one paragraph too long to lay out at once
    folder.write("Policy3.Fil", "{\\rtf1 " + words + "}");
    RichTextBox box;
    for (int load = 0; load < 2; ++load) {
        ASSERT_TRUE(box.LoadFile(folder.file("Policy3.Fil")));
        EXPECT_EQ(box.Text().remove(u'\n'), QString::fromLatin1(words));
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Policy3.Fil holds longer paragraphs"));
    EXPECT_EQ(dialogs.messages[0].style, Dialogs::OkOnly | Dialogs::Information);
}

TEST(RichTextBoxFile, AFileThatCannotBeLoadedLeavesTheBoxAsItWas)
{
    TempFolder folder;
    folder.write("plain.Fil", "Just some text, no RTF.\r\n");
    folder.write("empty.Fil", "");
    folder.write("binary.Fil", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    QDir().mkdir(folder.file("folder.Fil"));

    RichTextBox box;
    fillFormatted(box);
    box.setSelStart(3);
    const QString text = box.Text();
    const std::string formats = formatsOf(box);
    const QByteArray rtf = box.TextRTF();
    box.setSelStart(3);
    QSignalSpy change(&box, &RichTextBox::Change);

    for (const char *name : {"missing.Fil", "plain.Fil", "empty.Fil", "binary.Fil", "folder.Fil"}) {
        QString error;
        EXPECT_FALSE(box.LoadFile(folder.file(name), &error)) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
        EXPECT_EQ(box.Text(), text) << name;
        EXPECT_EQ(box.TextRTF(), rtf) << name;
    }
    EXPECT_EQ(change.count(), 0);
    EXPECT_EQ(box.SelStart(), 3);
    EXPECT_EQ(formatsOf(box), formats);
}

TEST(RichTextBoxFile, SaveIntoAMissingFolderFailsWithTheReason)
{
    TempFolder folder;
    RichTextBox box;
    box.setText(QStringLiteral("kept"));
    const WriteResult result = box.SaveFile(folder.file("gone/Action0.Fil"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("Action0.Fil")));
    EXPECT_EQ(box.Text(), QStringLiteral("kept"));
}

TEST(RichTextBoxClipboard, CopyOffersRtfAndPasteUsesIt)
{
    RichTextBox source;
    fillFormatted(source);
    source.setSelStart(6);
    source.setSelLength(11);
    source.copy();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied && copied->hasFormat(QStringLiteral("text/rtf")));
    EXPECT_EQ(copied->text(), QStringLiteral("bold italic"));

    // Only the RTF, as another program might offer it.
    auto *rtfOnly = new QMimeData;
    rtfOnly->setData(QStringLiteral("text/rtf"), copied->data(QStringLiteral("text/rtf")));
    QApplication::clipboard()->setMimeData(rtfOnly);
    RichTextBox target;
    target.paste();
    EXPECT_EQ(target.Text(), QStringLiteral("bold italic"));
    target.setSelStart(1);
    EXPECT_TRUE(target.SelBold());
    target.setSelStart(6);
    EXPECT_TRUE(target.SelItalic());
}

TEST(RichTextBoxClipboard, PastesHtmlAndIgnoresWhatHoldsNoText)
{
    RichTextBox box;
    box.setText(QStringLiteral("x"));
    box.setSelStart(1);

    auto *image = new QMimeData;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    image->setImageData(picture);
    QApplication::clipboard()->setMimeData(image);
    box.paste();
    EXPECT_EQ(box.Text(), QStringLiteral("x"));

    auto *html = new QMimeData;
    html->setHtml(QStringLiteral("<p><b>web</b> <img src=\"file:///nowhere/none.png\"></p>"));
    QApplication::clipboard()->setMimeData(html);
    box.paste();
    EXPECT_TRUE(box.Text().startsWith(QStringLiteral("xweb")));
    box.setSelStart(2);
    EXPECT_TRUE(box.SelBold());

    auto *broken = new QMimeData;
    broken->setData(QStringLiteral("text/rtf"), "{\\rtf1 {{{{");
    broken->setText(QStringLiteral("fallback"));
    QApplication::clipboard()->setMimeData(broken);
    box.setSelStart(0);
    box.paste();
    EXPECT_FALSE(box.Text().isEmpty());
}

// Drags over the box, as a user dropping `mime` at the start of the text; true when it was accepted.
bool drop(RichTextBox &box, QMimeData &mime)
{
    const QPoint at = box.cursorRect(QTextCursor(box.document())).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &enter);
    QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &dropped);
    return dropped.isAccepted();
}

TEST(RichTextBoxClipboard, DroppedRtfIsInsertedAndDroppedPicturesIgnored)
{
    RichTextBox source;
    fillFormatted(source);
    source.setSelStart(6);
    source.setSelLength(4);
    RichTextBox box;
    box.resize(300, 200);
    box.setText(QStringLiteral(" end"));

    QMimeData picture;
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    picture.setImageData(blue);
    picture.setUrls({QUrl::fromLocalFile(QStringLiteral("/nowhere/picture.png"))});
    drop(box, picture);
    EXPECT_EQ(box.Text(), QStringLiteral(" end"));

    QMimeData rtf;
    rtf.setData(QStringLiteral("text/rtf"), source.SelRTF());
    EXPECT_TRUE(drop(box, rtf));
    EXPECT_EQ(box.Text(), QStringLiteral("bold end"));
    box.setSelStart(1);
    EXPECT_TRUE(box.SelBold());
}

} // namespace
