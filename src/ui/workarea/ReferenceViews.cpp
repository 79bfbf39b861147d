#include "ui/workarea/ReferenceViews.h"

#include <QCoreApplication>

ReferenceViews::ReferenceViews(RichTextBox &ruleTextBuffer, RichTextBox &referencesBuffer,
                               RichTextBox &additionalBuffer, RichTextBox &entryEditor)
    : m_buffers{RichTextReferenceBox(ruleTextBuffer), RichTextReferenceBox(referencesBuffer),
                RichTextReferenceBox(additionalBuffer)},
      m_view(entryEditor), m_producer(ReferenceBoxes{{&m_buffers[0], &m_buffers[1], &m_buffers[2]}, &m_view},
                                      [] { QCoreApplication::processEvents(); })
{
}
