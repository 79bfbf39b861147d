#pragma once

#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>
#include <string_view>

namespace Rtf {

constexpr int DefaultCodePage = 1252;
constexpr int SymbolCodePage = 42; // fonts of \fcharset2, such as Symbol

// The Windows code page of an RTF \fcharset value, or 0 for "the document's code page".
int codePageOfCharset(int charset);

// The Windows-1252 byte of a character, or -1 when Windows-1252 has none.
int windows1252Byte(char16_t c);

// Decodes single- and double-byte Windows code pages; an unknown code page reads as Windows-1252.
class CodePageDecoder
{
public:
    void append(QString &out, std::string_view bytes, int codePage);

private:
    QStringDecoder *decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace Rtf
