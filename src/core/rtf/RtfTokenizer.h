#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Rtf {

// One lexical element of an RTF stream.
struct Token {
    enum Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text };
    Kind kind = End;
    std::string_view word;  // ControlWord: the letters; Text: the bytes (no CR/LF)
    int param = 0;          // ControlWord: the parameter, clamped to the 32-bit range
    bool hasParam = false;
    char symbol = 0;        // ControlSymbol: the character after the backslash
    unsigned char byte = 0; // HexByte: the value of \'hh
};

// The value of a hexadecimal digit, or -1.
inline int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Splits RTF bytes into tokens without copying. Never reads past the end; \binN skips N bytes
// (or what is left) so that binary data is not taken for RTF.
class Tokenizer
{
public:
    explicit Tokenizer(std::string_view data) : m_data(data) {}

    Token next();
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    std::optional<Token> readControl();
    Token readText();
    void skipBinary(int length);

    std::string_view m_data;
    std::size_t m_pos = 0;
};

} // namespace Rtf
