#pragma once

#include "core/rtf/RtfKeywords.h"
#include "core/rtf/RtfState.h"
#include "core/rtf/RtfTokenizer.h"

namespace Rtf {

// Applies a character formatting word (\b, \fs, \cf, \plain …), its parameter clamped to what
// the format can hold. Returns false when the word is not one.
bool applyCharProperty(CharState &chars, const Keyword &keyword, const Token &token, int defaultFont);

// Applies a paragraph formatting word (\pard, \qc, \li …) likewise.
bool applyParaProperty(ParaState &para, const Keyword &keyword, const Token &token);

} // namespace Rtf
