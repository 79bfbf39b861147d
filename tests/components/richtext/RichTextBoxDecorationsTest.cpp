// The editor numbers a list from its start and draws tab leaders, as the printed page does.
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

#include "ui/widgets/richtext/RichTextBox.h"
#include "core/text/TextDecorations.h"
#include "components/rtf/RtfTestSupport.h"
#include "support/TempFolder.h"

namespace {

QStringList markTexts(const RichTextBox &box)
{
    QStringList texts;
    for (const TextDecorations::Mark &mark : TextDecorations::marks(*box.document(), QRectF(0, 0, 1e6, 1e6)))
        texts.append(mark.text);
    return texts;
}

} // namespace

TEST(RichTextBoxDecorations, ListsCountFromTheirStartAndTabsShowTheirLeaders)
{
    TempFolder folder;
    folder.write("Action0.Fil", RtfTest::readFixture("constructs-source.rtf"));
    RichTextBox box;
    box.resize(700, 500);
    box.show();
    ASSERT_TRUE(box.LoadFile(folder.file("Action0.Fil")));

    QStringList texts = markTexts(box);
    ASSERT_TRUE(texts.contains("3.")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("4."));
    EXPECT_FALSE(texts.contains("1."));
    EXPECT_TRUE(texts.contains(QStringLiteral("\u2022")));
    const auto dots = std::find_if(texts.begin(), texts.end(), [](const QString &t) { return t.startsWith(".."); });
    ASSERT_NE(dots, texts.end());
    EXPECT_EQ(dots->count('.'), dots->size());

    // Qt draws none of the markers itself, also for an item the user adds with Enter.
    const int at = box.Find(QStringLiteral("Train the workforce"));
    box.setSelStart(at + 19);
    QTest::keyClick(box.viewport(), Qt::Key_Return);
    QTest::keyClicks(box.viewport(), QStringLiteral("Review access"));
    texts = markTexts(box);
    EXPECT_TRUE(texts.contains("5.")) << texts.join('|').toStdString();
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (block.textList()) {
            EXPECT_TRUE(block.blockFormat().hasProperty(QTextFormat::ListStyle)) << block.text().toStdString();
        }
    }

    // The leader fills the room of the tab from its start to the stop.
    const QTextBlock risk = box.document()->findBlock(box.Find(QStringLiteral("Risk Analysis")));
    const QTextLine line = risk.layout()->lineAt(0);
    const int tab = int(risk.text().indexOf('\t'));
    const QFontMetricsF metrics(risk.charFormat().font());
    const TextDecorations::Leader leader = TextDecorations::tabLeader(risk, line, tab, metrics, 15);
    EXPECT_GE(leader.x, line.cursorToX(tab));
    EXPECT_NEAR(leader.x + metrics.horizontalAdvance(leader.text), line.cursorToX(tab + 1),
                metrics.horizontalAdvance('.') + 0.5);
}
