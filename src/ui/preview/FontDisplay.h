#pragma once

class RichTextBox;

// The reader's "&Font Display": changes name, size, underline, strikethrough and colour of the selected
// text through the font dialog. Bold and italic are never applied; choosing them brings a notice.
void fontDisplay(RichTextBox &page);
