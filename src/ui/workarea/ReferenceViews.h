#pragma once

#include "core/references/ReferenceProducer.h"
#include "ui/workarea/RichTextReferenceBox.h"

class RichTextBox;

// The reference producers wired to a window's boxes: the hidden buffers referenceBuffers(0..2) and
// entryEditor. Pending window events run where the producers allow it.
class ReferenceViews
{
public:
  ReferenceViews(RichTextBox &ruleTextBuffer, RichTextBox &referencesBuffer, RichTextBox &additionalBuffer,
                 RichTextBox &entryEditor);
  ReferenceViews(const ReferenceViews &) = delete;
  ReferenceViews &operator=(const ReferenceViews &) = delete;

  ReferenceProducer &producer() { return m_producer; }
  // The buffers referenceBuffers(0..2).
  std::array<ReferenceBox *, 3> buffers() { return {&m_buffers[0], &m_buffers[1], &m_buffers[2]}; }

private:
    std::array<RichTextReferenceBox, 3> m_buffers;
    RichTextReferenceBox m_view;
    ReferenceProducer m_producer;
};
