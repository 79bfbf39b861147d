#include "core/rtf/RtfProperties.h"

#include <algorithm>

namespace Rtf {

namespace {

constexpr int MaxLength = 31680; // twips: 22 inches
constexpr int MaxHalfPoints = 3276;
constexpr int DefaultHalfPoints = 24;

bool flag(const Token &token) { return !token.hasParam || token.param != 0; }
int length(const Token &token, int low) { return std::clamp(token.param, low, MaxLength); }

} // namespace

bool applyCharProperty(CharState &chars, const Keyword &keyword, const Token &token, int defaultFont)
{
    switch (keyword.kind) {
    case Keyword::Plain:
        chars = CharState{};
        chars.font = defaultFont;
        return true;
    case Keyword::Font: chars.font = token.param; return true;
    case Keyword::FontSize:
        chars.halfPoints = token.param > 0 ? std::min(token.param, MaxHalfPoints) : DefaultHalfPoints;
        return true;
    case Keyword::Bold: chars.bold = flag(token); return true;
    case Keyword::Italic: chars.italic = flag(token); return true;
    case Keyword::Underline: chars.underline = flag(token); return true;
    case Keyword::UnderlineOff: chars.underline = false; return true;
    case Keyword::Strike: chars.strike = flag(token); return true;
    case Keyword::Hidden: chars.hidden = flag(token); return true;
    case Keyword::Foreground: chars.foreground = std::max(token.param, 0); return true;
    case Keyword::Background: chars.background = std::max(token.param, 0); return true;
    case Keyword::Superscript: chars.verticalAlign = CharState::Superscript; return true;
    case Keyword::Subscript: chars.verticalAlign = CharState::Subscript; return true;
    case Keyword::Baseline: chars.verticalAlign = CharState::Baseline; return true;
    default: return false;
    }
}

bool applyParaProperty(ParaState &para, const Keyword &keyword, const Token &token)
{
    switch (keyword.kind) {
    case Keyword::Pard: para = ParaState{}; return true;
    case Keyword::Align: para.align = ParaState::Align(keyword.value); return true;
    case Keyword::LeftIndent: para.leftIndent = length(token, -MaxLength); return true;
    case Keyword::RightIndent: para.rightIndent = length(token, -MaxLength); return true;
    case Keyword::FirstIndent: para.firstLineIndent = length(token, -MaxLength); return true;
    case Keyword::SpaceBefore: para.spaceBefore = length(token, 0); return true;
    case Keyword::SpaceAfter: para.spaceAfter = length(token, 0); return true;
    case Keyword::LineSpacing: para.lineSpacing = length(token, -MaxLength); return true;
    case Keyword::LineMultiple: para.lineMultiple = flag(token); return true;
    default: return false;
    }
}

} // namespace Rtf
