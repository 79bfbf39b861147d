#include "core/rtf/RtfTokenizer.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace Rtf {

namespace {

constexpr std::size_t MaxWordLength = 32;
constexpr int MaxParamDigits = 10;

Token tokenOf(Token::Kind kind)
{
    Token token;
    token.kind = kind;
    return token;
}

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Bytes that end a text run: markup, and line ends and NULs, which RTF text ignores.
bool endsText(char c) { return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0'; }

} // namespace

Token Tokenizer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return tokenOf(Token::GroupOpen);
        case '}':
            ++m_pos;
            return tokenOf(Token::GroupClose);
        case '\\':
            if (std::optional<Token> token = readControl())
                return *token;
            continue;
        case '\r':
        case '\n':
        case '\0':
            ++m_pos;
            continue;
        default:
            return readText();
        }
    }
    return {};
}

Token Tokenizer::readText()
{
    const std::size_t start = m_pos;
    while (m_pos < m_data.size() && !endsText(m_data[m_pos]))
        ++m_pos;
    Token token = tokenOf(Token::Text);
    token.word = m_data.substr(start, m_pos - start);
    return token;
}

std::optional<Token> Tokenizer::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return std::nullopt;
    const char first = m_data[m_pos];
    if (!isLetter(first)) {
        ++m_pos;
        if (first == '\'') {
            const int high = m_pos < m_data.size() ? hexDigitValue(m_data[m_pos]) : -1;
            const int low = m_pos + 1 < m_data.size() ? hexDigitValue(m_data[m_pos + 1]) : -1;
            if (high < 0 || low < 0)
                return std::nullopt; // a broken escape is dropped
            m_pos += 2;
            Token token = tokenOf(Token::HexByte);
            token.byte = static_cast<unsigned char>(high * 16 + low);
            return token;
        }
        Token token = tokenOf(Token::ControlSymbol);
        // A backslash before a line end stands for \par.
        token.symbol = (first == '\r' || first == '\n') ? '\n' : first;
        return token;
    }

    const std::size_t start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    Token token = tokenOf(Token::ControlWord);
    token.word = m_data.substr(start, std::min(m_pos - start, MaxWordLength));

    bool negative = false;
    if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    long long value = 0;
    int digits = 0;
    while (m_pos < m_data.size() && isDigit(m_data[m_pos])) {
        if (digits++ < MaxParamDigits)
            value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    if (digits > 0) {
        token.hasParam = true;
        value = negative ? -value : value;
        token.param = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    }
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos;

    if (token.word == "bin") {
        skipBinary(token.hasParam ? token.param : 0);
        return std::nullopt;
    }
    return token;
}

void Tokenizer::skipBinary(int length)
{
    if (length <= 0)
        return;
    const std::size_t left = m_data.size() - m_pos;
    m_pos += std::min(static_cast<std::size_t>(length), left);
}

} // namespace Rtf
