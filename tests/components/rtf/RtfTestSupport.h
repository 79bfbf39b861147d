#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <memory>

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }

namespace RtfTest {

// The text of each block; line breaks inside a block stay U+2028.
inline QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The format of the character at `position` (counting as the rich text box does: a block end is one).
inline QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

inline QString familyOf(const QTextCharFormat &format) { return format.fontFamilies().toStringList().value(0); }

// Position of the first occurrence of `text`, so checks read as "the word X is bold".
inline int find(const QTextDocument &document, const QString &text)
{
    return static_cast<int>(document.toRawText().indexOf(text));
}

// Names data-table cases by their `name` member.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case> &param) const
    {
        return param.param.name;
    }
};

// A file under tests/data/rtf, or an empty array when it is missing.
inline QByteArray readFixture(const QString &name)
{
    QFile file(QStringLiteral(TESSAREL_TEST_DATA "/rtf/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Noise does not compress: its PNG and JPEG are large for their size.
inline QImage noiseImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            line[x] = seed | 0xFF000000u;
        }
    }
    return image;
}

} // namespace RtfTest
