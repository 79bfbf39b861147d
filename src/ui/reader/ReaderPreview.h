#pragma once

class PrintPreview;
class RichTextBox;
class PreviewPanel;

// The reader's page in the print preview: the selection alone when text is selected, else the whole page.
namespace ReaderPreview {

// Sets the reader's margins (350 / 300 / 350 / 100 twips), opens the panel and renders the page.
void open(PreviewPanel &panel, const RichTextBox &page);
// Renders the page into the preview with the shared margins.
void render(PrintPreview &preview, const RichTextBox &page);

} // namespace ReaderPreview
