#pragma once

#include <QList>
#include <QString>

#include "core/print/PreviewPage.h"

// Every text drawn on `page`, in drawing order.
inline QList<Preview::TextOp> textOps(const Preview::Page &page)
{
    QList<Preview::TextOp> texts;
    for (const Preview::Op &op : page.ops)
        if (const auto *t = std::get_if<Preview::TextOp>(&op))
            texts.append(*t);
    return texts;
}

// The texts of `page` joined by blanks.
inline QString pageText(const Preview::Page &page)
{
    QStringList words;
    for (const Preview::TextOp &t : textOps(page))
        words.append(t.text);
    return words.join(QLatin1Char(' '));
}

// The text pdftotext reads from a PDF file, pages separated by form feeds; null when the tool is absent.
QString pdfText(const QString &path);
