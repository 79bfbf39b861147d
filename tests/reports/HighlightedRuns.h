#pragma once

#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <utility>

// The runs of a document that are bold and underlined: start position and length.
inline QList<std::pair<int, int>> highlightedRuns(const QTextDocument &document)
{
    QList<std::pair<int, int>> runs;
    int end = -1;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.fontWeight() != QFont::Bold || !format.fontUnderline())
                continue;
            if (fragment.position() == end)
                runs.back().second += fragment.length();
            else
                runs.append({fragment.position(), fragment.length()});
            end = fragment.position() + fragment.length();
        }
    }
    return runs;
}
