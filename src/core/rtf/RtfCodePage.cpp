#include "core/rtf/RtfCodePage.h"

#include <algorithm>
#include <array>

namespace Rtf {

namespace {

// Windows-1252 characters for the bytes 0x80 to 0x9F (the rest is Latin-1). Unassigned bytes
// keep their Latin-1 control value, as Windows does.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const char *codecName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 932: return "windows-31j";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

void appendWindows1252(QString &out, std::string_view bytes)
{
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(bytes.size()));
    QChar *dest = out.data() + start;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dest++ = QChar(b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b));
    }
}

} // namespace

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: return SymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < Cp1252High.size(); ++i) {
        if (Cp1252High[i] == c && c > 0xFF)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

void CodePageDecoder::append(QString &out, std::string_view bytes, int codePage)
{
    if (codePage == SymbolCodePage) {
        // Symbol fonts: the list bullet at 0xB7 becomes U+2022; other bytes read as Windows-1252.
        const qsizetype start = out.size();
        appendWindows1252(out, bytes);
        std::replace(out.begin() + start, out.end(), QChar(0x00B7), QChar(0x2022));
        return;
    }
    QStringDecoder *decoder = codePage == DefaultCodePage ? nullptr : decoderFor(codePage);
    if (!decoder) {
        appendWindows1252(out, bytes);
        return;
    }
    decoder->resetState();
    out += decoder->decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QStringDecoder *CodePageDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        const char *name = codecName(codePage);
        auto decoder = name ? std::make_unique<QStringDecoder>(name) : nullptr;
        if (decoder && !decoder->isValid())
            decoder.reset();
        found = m_decoders.emplace(codePage, std::move(decoder)).first;
    }
    return found->second.get();
}

} // namespace Rtf
