#pragma once

#include <QList>
#include <QStringList>
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

inline bool isStruck(const QTextCharFormat &format)
{
    return format.fontStrikeOut();
}

// The shown texts of the fragments that `wanted` accepts, neighbours joined; `starts` receives their
// positions.
template <typename Wanted>
QStringList formattedRuns(const QTextDocument &document, Wanted wanted, QList<int> *starts = nullptr)
{
    QStringList runs;
    int end = -1;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!wanted(fragment.charFormat()))
                continue;
            if (fragment.position() == end) {
                runs.back() += fragment.text();
            } else {
                runs.append(fragment.text());
                if (starts)
                    starts->append(fragment.position());
            }
            end = fragment.position() + fragment.length();
        }
    }
    return runs;
}

inline QStringList struck(const QTextDocument &document, QList<int> *starts = nullptr)
{
    return formattedRuns(document, isStruck, starts);
}

// Underlined: added words, and the highlighted phrase, which is bold as well.
inline QStringList underlined(const QTextDocument &document, bool withBold = true,
                              QList<int> *starts = nullptr)
{
    return formattedRuns(
        document,
        [withBold](const QTextCharFormat &format) {
            return format.fontUnderline() && (withBold || format.fontWeight() != QFont::Bold);
        },
        starts);
}
