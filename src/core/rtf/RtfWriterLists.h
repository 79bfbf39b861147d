#pragma once

#include <QString>

class QTextBlock;
class QTextList;
class QTextListFormat;

namespace Rtf {

// The hanging indent, in pixels, of a list item whose first line starts with its text.
constexpr double ListHangingIndent = 24;

// Lists that carry the same list id are levels of one list; others stand alone.
QString listKey(const QTextList *list);
// The level (0–8) of a list: as read, or from its indent.
int listLevel(const QTextListFormat &format);
// The marker an item shows: its bullet, or its number between the list's prefix and suffix.
QString listMarker(const QTextBlock &block);

} // namespace Rtf
