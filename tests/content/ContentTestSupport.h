#pragma once

#include "components/rtf/RtfTestSupport.h"

#include "PageBuilder.h"
#include "RuleText.h"

#include "core/rtf/Rtf.h"

#include <QFile>
#include <QRegularExpression>

namespace ContentTest {

// Whitespace runs as one blank, ends trimmed: how the texts are compared word for word.
inline QString normalised(const QString &text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return QString(text).replace(space, QStringLiteral(" ")).trimmed();
}

// A generated page read back as the program reads it; fails the test, naming the file, when it cannot be.
inline void readPage(const QString &path, QTextDocument &document)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString() << " is missing";
    const Rtf::ReadResult read = Rtf::read(file.readAll(), document);
    ASSERT_TRUE(read.ok) << path.toStdString() << ": " << read.error.toStdString();
}

// The paragraphs that hold more than white space.
inline QList<QTextBlock> textBlocks(const QTextDocument &document)
{
    QList<QTextBlock> out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!normalised(block.text()).isEmpty())
            out << block;
    }
    return out;
}

inline QTextBlock blockStarting(const QTextDocument &document, const QString &prefix)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(prefix))
            return block;
    }
    ADD_FAILURE() << "no paragraph starts with " << prefix.toStdString();
    return {};
}

inline int leftTwips(const QTextBlock &block) { return qRound(block.blockFormat().leftMargin() * 15); }

// The format of the character `offset` places into the first paragraph starting with `prefix`.
inline QTextCharFormat formatIn(const QTextDocument &document, const QString &prefix, int offset)
{
    const QTextBlock block = blockStarting(document, prefix);
    return RtfTest::formatAt(document, block.position() + offset);
}

// A page built from inline source text against the given regulation lines.
struct Page
{
    explicit Page(const QByteArray &ruleLines = {})
    {
        QString ignored;
        rules.parse(ruleLines, &ignored);
    }

    bool build(const QString &source, const QString &folder = QString())
    {
        ContentGen::PageBuilder builder(document, rules);
        return builder.addSource(source, QStringLiteral("page.txt"), folder, &error);
    }

    ContentGen::RuleText rules;
    QTextDocument document;
    QString error;
};

} // namespace ContentTest
