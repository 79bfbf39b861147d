#include "core/rtf/RtfTables.h"

#include <algorithm>

namespace Rtf {

namespace {
constexpr qsizetype MaxFontNameLength = 256;
constexpr std::size_t MaxColors = 65536;
} // namespace

const FontEntry *FontTable::find(int number) const
{
    const auto found = m_fonts.find(number);
    return found == m_fonts.end() ? nullptr : &found->second;
}

void FontTable::beginEntry(int number)
{
    m_number = number;
    m_entry = {};
    m_nameBytes.clear();
}

void FontTable::setCharset(int charset)
{
    if (m_entry.codePage == 0)
        m_entry.codePage = codePageOfCharset(charset);
}

void FontTable::setCodePage(int codePage) { m_entry.codePage = codePage; }

void FontTable::addText(std::string_view bytes, CodePageDecoder &decoder, int documentCodePage)
{
    for (;;) {
        const std::size_t semicolon = bytes.find(';');
        m_nameBytes.append(bytes.data(), static_cast<qsizetype>(std::min(bytes.size(), semicolon)));
        if (semicolon == std::string_view::npos)
            return;
        endEntry(decoder, documentCodePage);
        bytes.remove_prefix(semicolon + 1);
    }
}

void FontTable::addChar(QChar c, CodePageDecoder &decoder, int documentCodePage)
{
    decodePending(decoder, documentCodePage);
    if (m_entry.name.size() < MaxFontNameLength)
        m_entry.name += c;
}

void FontTable::endEntry(CodePageDecoder &decoder, int documentCodePage)
{
    decodePending(decoder, documentCodePage);
    if (m_number >= 0) {
        m_entry.name = m_entry.name.trimmed().left(MaxFontNameLength);
        m_fonts.insert_or_assign(m_number, m_entry);
    }
    m_number = -1;
    m_entry = {};
}

void FontTable::decodePending(CodePageDecoder &decoder, int documentCodePage)
{
    if (m_nameBytes.isEmpty())
        return;
    if (m_entry.name.size() < MaxFontNameLength) {
        const int codePage = m_entry.codePage ? m_entry.codePage : documentCodePage;
        decoder.append(m_entry.name, std::string_view(m_nameBytes.constData(), m_nameBytes.size()), codePage);
    }
    m_nameBytes.clear();
}

std::optional<QColor> ColorTable::color(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_colors.size())
        return std::nullopt;
    return m_colors[static_cast<std::size_t>(index)];
}

void ColorTable::setComponent(int &component, int value)
{
    component = std::clamp(value, 0, 255);
    m_hasComponent = true;
}

void ColorTable::addText(std::string_view bytes)
{
    for (const char c : bytes) {
        if (c != ';')
            continue;
        if (m_colors.size() < MaxColors)
            m_colors.push_back(m_hasComponent ? std::optional<QColor>(QColor(m_red, m_green, m_blue))
                                              : std::nullopt);
        m_red = m_green = m_blue = 0;
        m_hasComponent = false;
    }
}

} // namespace Rtf
